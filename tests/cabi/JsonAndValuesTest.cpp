// toJsonObject, the toggle documents and ZolHttpResponse through the C interface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cabi/CTexts.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using zoltest::kNull;
using zoltest::lastError;
using zoltest::taken;

TEST(ToJsonObject, DropsTypeKeepsOrderAndRefusesWhatIsNotAnObject) {
    struct Case {
        const char* json;
        std::string expected;  // kNull: refused
        std::string message;   // part of the message when refused
    };
    const std::vector<Case> cases{
        {R"({"b":1,"type":"x","a":[true,null]})", R"({"b":1,"a":[true,null]})", ""},
        {R"({"type":"only"})", "{}", ""},
        {"{}", "{}", ""},
        {R"( {"z":"\u00e9\n","z":2,"y":{"type":"inner stays"}} )",
         R"({"z":2,"y":{"type":"inner stays"}})", ""},
        {R"({"s":"Zo\u00eb \"q\" \\ /"})", "{\"s\":\"Zo\xC3\xAB \\\"q\\\" \\\\ /\"}", ""},
        {R"([{"a":1}])", kNull, "must be a JSON object"},
        {"42", kNull, "must be a JSON object"},
        {R"({"a":1)", kNull, "ZolSerializationError"},
        {R"({"a":1} trailing)", kNull, "ZolSerializationError"},
        {"", kNull, "ZolSerializationError"},
        {"{\"a\":\"\xC3\"}", kNull, "ZolSerializationError"},
        {nullptr, kNull, "json must not be NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json != nullptr ? c.json : "NULL");
        EXPECT_EQ(taken(ZolSolutionsZolMapExtensionsKt_toJsonObject(c.json)), c.expected);
        if (c.expected == kNull) {
            EXPECT_NE(lastError().find(c.message), std::string::npos) << lastError();
        } else {
            EXPECT_EQ(lastError(), kNull);
        }
    }
}

TEST(FeatureToggleDocuments, FromJsonReadsTheAnswerOrNamesWhatIsMissing) {
    struct Case {
        const char* json;
        int answer;           // -1: refused
        std::string message;  // part of the message when refused
    };
    const std::vector<Case> cases{
        {R"({"fields":{"enabled":{"booleanValue":true}}})", 1, ""},
        {R"({"name":"n","fields":{"x":1,"enabled":{"booleanValue":false,"y":2}},"z":[]})", 0, ""},
        {R"({"fields":{}})", -1, "model.featuretoggle.ZolFeatureToggleFields"},
        {R"({"error":{"code":404}})", -1, "model.featuretoggle.ZolFeatureToggleResponse"},
        {R"({"fields":{"enabled":{"booleanValue":"true"}}})", -1, "booleanValue"},
        {"", -1, "ZolJsonDecodingError"},
        {"Not Found", -1, "ZolJsonDecodingError"},
        {nullptr, -1, "json must not be NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json != nullptr ? c.json : "NULL");
        ZolSolutionsZolFeatureToggleResponse* response =
            ZolSolutionsZolFeatureToggleResponse_fromJsonJson(c.json);
        if (c.answer < 0) {
            EXPECT_EQ(response, nullptr);
            EXPECT_NE(lastError().find(c.message), std::string::npos) << lastError();
            continue;
        }
        ASSERT_NE(response, nullptr) << lastError();
        ZolSolutionsZolFeatureToggleFields* fields =
            ZolSolutionsZolFeatureToggleResponse_fields(response);
        ZolSolutionsZolBooleanValue* enabled = ZolSolutionsZolFeatureToggleFields_enabled(fields);
        EXPECT_EQ(ZolSolutionsZolBooleanValue_booleanValue(enabled), c.answer == 1);
        EXPECT_EQ(ZolSolutionsZolFeatureToggleResponse_hash(response), c.answer ? 1231 : 1237);
        ZolSolutionsZolBooleanValue_release(enabled);
        ZolSolutionsZolFeatureToggleFields_release(fields);
        ZolSolutionsZolFeatureToggleResponse_release(response);
    }
}

TEST(FeatureToggleDocuments, RecordsBuiltByHandEqualTheDocumentsTheyDescribe) {
    ZolSolutionsZolBooleanValue* on = ZolSolutionsZolBooleanValue_initWithBooleanValue(true);
    ZolSolutionsZolBooleanValue* off = ZolSolutionsZolBooleanValue_doCopyBooleanValue(on, false);
    ZolSolutionsZolFeatureToggleFields* fields =
        ZolSolutionsZolFeatureToggleFields_initWithEnabled(on);
    ZolSolutionsZolFeatureToggleFields* offFields =
        ZolSolutionsZolFeatureToggleFields_doCopyEnabled(fields, off);
    ZolSolutionsZolFeatureToggleResponse* built =
        ZolSolutionsZolFeatureToggleResponse_initWithFields(fields);
    ZolSolutionsZolFeatureToggleResponse* builtOff =
        ZolSolutionsZolFeatureToggleResponse_doCopyFields(built, offFields);
    ZolSolutionsZolFeatureToggleResponse* read = ZolSolutionsZolFeatureToggleResponse_fromJsonJson(
        R"({"fields":{"enabled":{"booleanValue":true}},"createTime":"t"})");

    EXPECT_TRUE(ZolSolutionsZolFeatureToggleResponse_isEqual(built, read));
    EXPECT_FALSE(ZolSolutionsZolFeatureToggleResponse_isEqual(builtOff, read));
    EXPECT_FALSE(ZolSolutionsZolBooleanValue_isEqual(on, off));
    EXPECT_TRUE(ZolSolutionsZolFeatureToggleFields_isEqual(fields, fields));
    EXPECT_EQ(ZolSolutionsZolBooleanValue_hash(off), 1237);
    EXPECT_EQ(ZolSolutionsZolFeatureToggleFields_hash(fields), 1231);
    EXPECT_EQ(taken(ZolSolutionsZolFeatureToggleResponse_description(read)),
              "ZolFeatureToggleResponse(fields=ZolFeatureToggleFields(enabled=ZolBooleanValue("
              "booleanValue=true)))");
    EXPECT_EQ(taken(ZolSolutionsZolFeatureToggleFields_description(offFields)),
              "ZolFeatureToggleFields(enabled=ZolBooleanValue(booleanValue=false))");
    EXPECT_EQ(taken(ZolSolutionsZolBooleanValue_description(off)),
              "ZolBooleanValue(booleanValue=false)");

    EXPECT_EQ(ZolSolutionsZolFeatureToggleFields_initWithEnabled(nullptr), nullptr);
    EXPECT_NE(lastError().find("enabled must not be NULL"), std::string::npos) << lastError();
    EXPECT_FALSE(ZolSolutionsZolBooleanValue_booleanValue(nullptr));
    EXPECT_NE(lastError(), kNull) << "a false that is a failure leaves a message";

    ZolSolutionsZolFeatureToggleResponse_release(read);
    ZolSolutionsZolFeatureToggleResponse_release(builtOff);
    ZolSolutionsZolFeatureToggleResponse_release(built);
    ZolSolutionsZolFeatureToggleFields_release(offFields);
    ZolSolutionsZolFeatureToggleFields_release(fields);
    ZolSolutionsZolBooleanValue_release(off);
    ZolSolutionsZolBooleanValue_release(on);
}

TEST(HttpResponse, AbsentAndEmptyBodiesDifferInEqualityHashAndPrintedForm) {
    struct Case {
        std::int32_t status;
        const char* body;
        std::int32_t hash;
        std::string printed;
    };
    const std::vector<Case> cases{
        {200, nullptr, 6200, "ZolHttpResponse(statusCode=200, body=null)"},
        {200, "", 6200, "ZolHttpResponse(statusCode=200, body=)"},
        {1, nullptr, 31, "ZolHttpResponse(statusCode=1, body=null)"},
        {0, "a", 97, "ZolHttpResponse(statusCode=0, body=a)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        ZolSolutionsZolHttpResponse* response =
            ZolSolutionsZolHttpResponse_initWithStatusCode_body(c.status, c.body);
        EXPECT_EQ(ZolSolutionsZolHttpResponse_statusCode(response), c.status);
        EXPECT_EQ(taken(ZolSolutionsZolHttpResponse_body(response)), c.body ? c.body : kNull);
        EXPECT_EQ(lastError(), kNull);
        EXPECT_EQ(ZolSolutionsZolHttpResponse_hash(response), c.hash);
        EXPECT_EQ(taken(ZolSolutionsZolHttpResponse_description(response)), c.printed);
        ZolSolutionsZolHttpResponse_release(response);
    }
    ZolSolutionsZolHttpResponse* absent =
        ZolSolutionsZolHttpResponse_initWithStatusCode_body(200, nullptr);
    ZolSolutionsZolHttpResponse* empty =
        ZolSolutionsZolHttpResponse_doCopyStatusCode_body(absent, 200, "");
    ZolSolutionsZolHttpResponse* again =
        ZolSolutionsZolHttpResponse_doCopyStatusCode_body(empty, 200, "");
    EXPECT_FALSE(ZolSolutionsZolHttpResponse_isEqual(absent, empty));
    EXPECT_TRUE(ZolSolutionsZolHttpResponse_isEqual(empty, again));
    EXPECT_EQ(ZolSolutionsZolHttpResponse_statusCode(nullptr), 0);
    EXPECT_NE(lastError().find("response must not be NULL"), std::string::npos) << lastError();
    ZolSolutionsZolHttpResponse_release(again);
    ZolSolutionsZolHttpResponse_release(empty);
    ZolSolutionsZolHttpResponse_release(absent);
}

}  // namespace
