#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "zolsolutions/httpApi/endpoint/ZolHttpResponse.hpp"

namespace zolsolutions {
namespace {

TEST(ZolHttpResponse, PrintedForm) {
    struct Case {
        ZolHttpResponse response;
        std::string printed;
    };
    const Case cases[] = {
        {{200, std::nullopt}, "ZolHttpResponse(statusCode=200, body=null)"},
        {{200, ""}, "ZolHttpResponse(statusCode=200, body=)"},
        {{500, "Error: timed out"}, "ZolHttpResponse(statusCode=500, body=Error: timed out)"},
        {{-1, R"({"a":"b"})"}, R"(ZolHttpResponse(statusCode=-1, body={"a":"b"}))"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.response.toString(), c.printed);
        std::ostringstream out;
        out << c.response;
        EXPECT_EQ(out.str(), c.printed);
    }
}

TEST(ZolHttpResponse, EqualityTellsAbsentFromEmptyBody) {
    EXPECT_EQ(ZolHttpResponse(200, "ok"), ZolHttpResponse(200, "ok"));
    EXPECT_EQ(ZolHttpResponse(200, std::nullopt), ZolHttpResponse(200, std::nullopt));
    EXPECT_NE(ZolHttpResponse(200, std::nullopt), ZolHttpResponse(200, ""));
    EXPECT_NE(ZolHttpResponse(200, "ok"), ZolHttpResponse(201, "ok"));
    EXPECT_NE(ZolHttpResponse(200, "ok"), ZolHttpResponse(200, "OK"));
}

TEST(ZolHttpResponse, HashIsStatusTimes31PlusUtf16TextHash) {
    struct Case {
        const char* label;
        ZolHttpResponse response;
        std::int32_t hash;
    };
    const Case cases[] = {
        {"status 1, no body", {1, std::nullopt}, 31},
        {"status 0, no body", {0, std::nullopt}, 0},
        {"empty body hashes as 0", {200, ""}, 6200},
        {"ascii", {200, "ok"}, 6200 + 'o' * 31 + 'k'},
        // U+00E9 is one UTF-16 unit although it takes two UTF-8 bytes.
        {"two-byte character", {0, "\xC3\xA9"}, 0xE9},
        // U+1F600 is the surrogate pair D83D DE00 in UTF-16.
        {"non-BMP character", {0, "\xF0\x9F\x98\x80"}, 0xD83D * 31 + 0xDE00},
        {"status wraps at 32 bits", {INT32_MAX, std::nullopt}, INT32_MAX - 30},
        // (2^31 - 31) + 97 passes 2^31 and wraps to the negative side.
        {"sum wraps at 32 bits", {INT32_MAX, "a"}, INT32_MIN + 66},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.response.hashCode(), c.hash);
    }
}

TEST(ZolHttpResponse, CopyTakesBothFieldsAnew) {
    const ZolHttpResponse original(500, "Error: refused");
    const ZolHttpResponse copied = original.copy(204, std::nullopt);

    EXPECT_EQ(copied.statusCode(), 204);
    EXPECT_FALSE(copied.body().has_value());
    EXPECT_EQ(original, ZolHttpResponse(500, "Error: refused"));
}

}  // namespace
}  // namespace zolsolutions
