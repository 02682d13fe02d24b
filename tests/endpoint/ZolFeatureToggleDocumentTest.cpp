#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"
#include "zolsolutions/model/featuretoggle/ZolJsonDecodingError.hpp"

namespace zolsolutions {
namespace {

using ::testing::HasSubstr;

const char* const kFirestoreDocumentOn =
    R"({"name":"projects/zol-solutions/databases/(default)/documents/feature_toggle/)"
    R"(analytics_handler","fields":{"enabled":{"booleanValue":true}},)"
    R"("createTime":"2024-01-01T00:00:00.000000Z","updateTime":"2024-01-02T00:00:00.000000Z"})";

struct ReadableDocument {
    const char* label;
    std::string text;
    bool answer;
};

const std::vector<ReadableDocument>& readableDocuments() {
    static const std::vector<ReadableDocument> documents = {
        {"smallest, on", R"({"fields":{"enabled":{"booleanValue":true}}})", true},
        {"smallest, off", R"({"fields":{"enabled":{"booleanValue":false}}})", false},
        {"Firestore document", kFirestoreDocumentOn, true},
        {"Firestore document, off, with further fields",
         R"({"name":"projects/zol-solutions/databases/(default)/documents/feature_toggle/)"
         R"(crash_handler","fields":{"note":{"stringValue":"paused"},)"
         R"("enabled":{"booleanValue":false}},"createTime":"2024-01-01T00:00:00Z"})",
         false},
        {"further members at every level, of every kind",
         R"({"a":null,"fields":{"b":[1,2,{"c":{}}],"enabled":{"x":"y","booleanValue":true,)"
         R"("z":-1.5e3}},"d":true,"e":{"fields":null}})",
         true},
        {"white space around and inside",
         " \n\t{ \"fields\" : {\r\n \"enabled\" : { \"booleanValue\" : false } } }\n ", false},
        {"non-ASCII text in an ignored member",
         "{\"name\":\"caf\xC3\xA9 \xF0\x9F\x98\x80\",\"fields\":{\"enabled\":{\"booleanValue\":"
         "true}}}",
         true},
    };
    return documents;
}

TEST(ZolFeatureToggleDocument, ReadsTheAnswerAndIgnoresUndeclaredMembers) {
    for (const auto& d : readableDocuments()) {
        SCOPED_TRACE(d.label);
        const auto response = ZolFeatureToggleResponse::fromJson(d.text);
        EXPECT_EQ(response.fields().enabled().booleanValue(), d.answer);
    }
}

TEST(ZolFeatureToggleDocument, DocumentsDifferingInIgnoredMembersAreEqualWithEqualHash) {
    for (const auto& d : readableDocuments()) {
        SCOPED_TRACE(d.label);
        const auto smallest = ZolFeatureToggleResponse::fromJson(
            d.answer ? R"({"fields":{"enabled":{"booleanValue":true}}})"
                     : R"({"fields":{"enabled":{"booleanValue":false}}})");
        const auto response = ZolFeatureToggleResponse::fromJson(d.text);
        EXPECT_EQ(response, smallest);
        EXPECT_EQ(response.hashCode(), smallest.hashCode());
        EXPECT_EQ(response.toString(), smallest.toString());
    }
}

TEST(ZolFeatureToggleDocument, FirestoreDocumentPrintsAsItsAnswer) {
    EXPECT_EQ(ZolFeatureToggleResponse::fromJson(kFirestoreDocumentOn).toString(),
              "ZolFeatureToggleResponse(fields=ZolFeatureToggleFields(enabled=ZolBooleanValue("
              "booleanValue=true)))");
}

struct UnreadableDocument {
    const char* label;
    std::string text;
    std::vector<std::string> messageParts;
};

const std::string kResponse = "'model.featuretoggle.ZolFeatureToggleResponse'";
const std::string kFields = "'model.featuretoggle.ZolFeatureToggleFields'";
const std::string kBoolean = "'model.featuretoggle.ZolBooleanValue'";

std::vector<UnreadableDocument> unreadableDocuments() {
    std::vector<UnreadableDocument> documents = {
        // Text that is not exactly one JSON document.
        {"empty text", "", {"Malformed JSON", "unexpected end of input"}},
        {"white space only", " \n ", {"Malformed JSON"}},
        {"plain-text error page", "Service Unavailable", {"Malformed JSON"}},
        {"trailing garbage",
         R"({"fields":{"enabled":{"booleanValue":true}}} x)",
         {"Malformed JSON"}},
        {"second document",
         R"({"fields":{"enabled":{"booleanValue":true}}}{})",
         {"Malformed JSON"}},
        {"cut short", R"({"fields":{"enabled":{"booleanValue":true})", {"Malformed JSON"}},
        {"comment", R"({/* on */"fields":{"enabled":{"booleanValue":true}}})", {"Malformed JSON"}},
        {"unquoted literal", R"({"fields":{"enabled":{"booleanValue":True}}})", {"Malformed JSON"}},
        {"number beyond double range in an ignored member",
         R"({"big":1e400,"fields":{"enabled":{"booleanValue":true}}})",
         {"Malformed JSON", "number overflow"}},

        // Required members missing.
        {"Firestore not-found error",
         R"({"error":{"code":404,"message":"Document \"projects/zol-solutions/databases/)"
         R"((default)/documents/feature_toggle/analytics_handler\" not found.",)"
         R"("status":"NOT_FOUND"}})",
         {"Field 'fields' is required for type with serial name " + kResponse +
          ", but it was missing"}},
        {"short error object", R"({"error":{"code":404}})", {"Field 'fields'", kResponse}},
        {"empty object", "{}", {"Field 'fields'", kResponse, "path: $"}},
        {"fields without enabled",
         R"({"fields":{}})",
         {"Field 'enabled' is required for type with serial name " + kFields, "$.fields"}},
        {"enabled without booleanValue",
         R"({"fields":{"enabled":{"stringValue":"true"}}})",
         {"Field 'booleanValue'", kBoolean, "$.fields.enabled"}},
        {"member names are case-sensitive",
         R"({"Fields":{"enabled":{"booleanValue":true}}})",
         {"Field 'fields'", kResponse}},
    };

    // Every value of the wrong kind, at each of the four places.
    const std::vector<std::pair<std::string, std::string>> wrongValues = {
        {"null", "found null"},
        {"0", "found a number"},
        {"[]", "found an array"},
        {R"("true")", "found a string"},
    };
    for (const auto& [value, found] : wrongValues) {
        documents.push_back(
            {"document", value, {"Expected a JSON object", kResponse, "path: $,", found}});
        documents.push_back({"fields",
                             R"({"fields":)" + value + "}",
                             {"Expected a JSON object", kFields, "path: $.fields,", found}});
        documents.push_back({"enabled",
                             R"({"fields":{"enabled":)" + value + "}}",
                             {"Expected a JSON object", kBoolean, "$.fields.enabled,", found}});
        documents.push_back({"booleanValue",
                             R"({"fields":{"enabled":{"booleanValue":)" + value + "}}}",
                             {"Expected a JSON boolean for field 'booleanValue'", kBoolean,
                              "$.fields.enabled.booleanValue", found}});
    }
    documents.push_back({"object in place of the boolean",
                         R"({"fields":{"enabled":{"booleanValue":{}}}})",
                         {"Expected a JSON boolean", "found an object"}});
    return documents;
}

TEST(ZolFeatureToggleDocument, UnreadableDocumentsFailNamingWhatAndWhere) {
    for (const auto& d : unreadableDocuments()) {
        SCOPED_TRACE(std::string(d.label) + ": " + d.text);
        try {
            const auto response = ZolFeatureToggleResponse::fromJson(d.text);
            ADD_FAILURE() << "read as " << response;
        } catch (const ZolJsonDecodingError& error) {
            for (const auto& part : d.messageParts) {
                EXPECT_THAT(error.what(), HasSubstr(part));
            }
        }
    }
}

// Untrusted bytes must neither crash the reader nor travel on inside the message.
TEST(ZolFeatureToggleDocument, InvalidUtf8FailsWithAPrintableMessage) {
    const std::vector<std::string> texts = {
        "{\"name\":\"\xFF\xFE\",\"fields\":{\"enabled\":{\"booleanValue\":true}}}",
        "{\"name\":\"\xED\xA0\x80\",\"fields\":{\"enabled\":{\"booleanValue\":true}}}",
        "{\"fields\":{\"enabled\":{\"booleanValue\":true}}}\xC3",
        std::string("{\"na\0me\":1}", 11),
        "{\"name\":\"" + std::string(100000, 'a') + "\x80\"}",
    };
    for (const auto& text : texts) {
        try {
            ZolFeatureToggleResponse::fromJson(text);
            ADD_FAILURE() << "invalid text was read";
        } catch (const ZolJsonDecodingError& error) {
            const std::string message = error.what();
            EXPECT_THAT(message, HasSubstr("Malformed JSON"));
            EXPECT_LT(message.size(), 1000u);
            for (const char c : message) {
                const auto byte = static_cast<unsigned char>(c);
                EXPECT_TRUE(byte >= 0x20 && byte < 0x7F) << "byte " << int(byte);
            }
        }
    }
}

}  // namespace
}  // namespace zolsolutions
