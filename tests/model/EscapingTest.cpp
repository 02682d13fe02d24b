// The text form of request bodies: the escape table, unescaped solidus and non-ASCII text, and
// U+FFFD in place of bytes that are not UTF-8 (so a report with a broken text still goes out).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/ModelFixture.hpp"
#include "model/events/ZolCrashlyticsEvent.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "zolsolutions/model/properties/ZolDefaultProperties.hpp"
#include "zolsolutions/model/properties/ZolErrorProperties.hpp"

namespace {

using namespace zolsolutions;

const std::string kReplacement = "\xEF\xBF\xBD";

std::string rendered(const std::string& text) {
    return detail::ZolSerializerModule::json().render(nlohmann::ordered_json(text));
}

TEST(Escaping, StringsFollowTheEscapeTable) {
    struct Case {
        std::string label;
        std::string text;
        std::string json;
    };
    const std::vector<Case> cases = {
        {"quotation mark and backslash", "say \"hi\" \\o/", R"("say \"hi\" \\o/")"},
        {"named controls", "\b\t\n\f\r", R"("\b\t\n\f\r")"},
        {"other controls in lower-case hex", std::string("\x00\x01\x0b\x1b\x1f", 5),
         R"("\u0000\u0001\u000b\u001b\u001f")"},
        {"solidus, DEL and space unescaped", "a/b\x7f c", "\"a/b\x7f c\""},
        {"non-ASCII unescaped", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
         "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
        {"cut two-byte character", "x\xC3", "\"x" + kReplacement + "\""},
        {"cut four-byte character", "x\xF0\x9F\x98", "\"x" + kReplacement + "\""},
        {"cut character then valid text", "\xE2\x82x", "\"" + kReplacement + "x\""},
        {"stray continuation and invalid bytes",
         "a\x80"
         "b\xFF"
         "c",
         "\"a" + kReplacement + "b" + kReplacement + "c\""},
        {"overlong encoding", "\xC0\xAF", "\"" + kReplacement + kReplacement + "\""},
        {"encoded surrogate", "\xED\xA0\x80",
         "\"" + kReplacement + kReplacement + kReplacement + "\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rendered(c.text), c.json) << c.label;
    }
}

TEST(Escaping, BrokenBytesAreReplacedAtAnyPositionOfALongText) {
    // Long texts are written through a buffer; a broken byte next to its edge must neither be
    // lost nor take its neighbours with it.
    for (std::size_t before = 500; before < 530; ++before) {
        const std::string text = std::string(before, 'a') + "\xFF" + "\xC3\xA9" + "bc";
        EXPECT_EQ(rendered(text),
                  "\"" + std::string(before, 'a') + kReplacement + "\xC3\xA9" + "bc\"")
            << before;
        const std::string controls = std::string(before, 'a') + "\x01\xE2\x82";
        EXPECT_EQ(rendered(controls),
                  "\"" + std::string(before, 'a') + "\\u0001" + kReplacement + "\"")
            << before;
    }
}

class CrashBodyEscaping : public zoltest::ModelFixture {};

TEST_F(CrashBodyEscaping, StackTraceBecomesOneEscapedStringAtTheEnd) {
    const std::string stackTrace =
        "Fatal \"signal\" 11\n\tat C:\\kit\\main.cpp:42\r\n\x01\x1f"
        "/usr/lib/libkit.so \xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC";
    const ZolCrashlyticsEvent crash("s", "p", ZolEvent::CRASH, ZolEventType::CRASH,
                                    std::make_shared<ZolDefaultProperties>(), stackTrace);
    const std::string body = crash.toJson();
    const std::string expectedTail =
        R"(,"stackTrace":"Fatal \"signal\" 11\n\tat C:\\kit\\main.cpp:42\r\n\u0001\u001f)"
        "/usr/lib/libkit.so \xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\"}";
    ASSERT_GE(body.size(), expectedTail.size());
    EXPECT_EQ(body.substr(body.size() - expectedTail.size()), expectedTail) << body;
    EXPECT_EQ(nlohmann::ordered_json::parse(body)["stackTrace"], stackTrace);
}

TEST_F(CrashBodyEscaping, StackTraceCutMidCharacterIsStillSent) {
    const std::string cut = "at main()\n\xE6\x97\xA5\xE6\x9C";  // the last character lost a byte
    const ZolCrashlyticsEvent crash("s", "p", ZolEvent::CRASH, ZolEventType::CRASH,
                                    std::make_shared<ZolDefaultProperties>(), cut);
    std::string body;
    ASSERT_NO_THROW(body = crash.toJson());
    const std::string expectedTail = R"(,"stackTrace":"at main()\n)"
                                     "\xE6\x97\xA5" +
                                     kReplacement + "\"}";
    EXPECT_EQ(body.substr(body.size() - expectedTail.size()), expectedTail) << body;
    // Valid UTF-8 JSON again, which a strict reader accepts.
    EXPECT_TRUE(nlohmann::ordered_json::accept(body));
}

TEST_F(CrashBodyEscaping, BrokenBytesInAnyTextOfABodyAreReplaced) {
    detail::ZolPropertiesBaseModule::instance().update("native_ios", "client\xFF", "person");
    const ZolCrashlyticsEvent crash(
        "session\xC3", "p", ZolEvent::CRASH, ZolEventType::CRASH,
        std::make_shared<ZolErrorProperties>("E\x80", "m", ZolRequestParams{{"k\xFE", "v\xE2"}}),
        "t");
    std::string body;
    ASSERT_NO_THROW(body = crash.toJson());
    const auto parsed = nlohmann::ordered_json::parse(body);
    EXPECT_EQ(parsed["sessionId"], "session" + kReplacement);
    EXPECT_EQ(parsed["properties"]["clientId"], "client" + kReplacement);
    EXPECT_EQ(parsed["properties"]["errorCode"], "E" + kReplacement);
    EXPECT_EQ(parsed["properties"]["requestParams"]["k" + kReplacement], "v" + kReplacement);
}

}  // namespace
