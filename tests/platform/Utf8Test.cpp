// Strict UTF-8 in both directions: well-formed bytes pass unchanged, everything else is refused.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "platform/Utf8.hpp"

namespace {

using zolsolutions::platform::utf8Decode;
using zolsolutions::platform::utf8Encode;

struct Utf8Case {
    const char* label;
    std::string bytes;
    bool wellFormed;
};

class Utf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, EncodeAndDecodePassWellFormedBytesUnchangedAndRefuseTheRest) {
    const Utf8Case& c = GetParam();
    const auto encoded = utf8Encode(c.bytes);
    const auto decoded = utf8Decode(c.bytes);
    ASSERT_EQ(encoded.has_value(), c.wellFormed);
    ASSERT_EQ(decoded.has_value(), c.wellFormed);
    if (c.wellFormed) {
        EXPECT_EQ(*encoded, c.bytes);
        EXPECT_EQ(*decoded, c.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Test,
    ::testing::Values(
        Utf8Case{"empty", "", true}, Utf8Case{"ascii", "{\"event\":\"start_sdk\"}", true},
        Utf8Case{"nul is a character", std::string("a\0b", 3), true},
        Utf8Case{"two bytes", "Zo\xC3\xAB", true}, Utf8Case{"three bytes", "\xE2\x9C\x93", true},
        Utf8Case{"four bytes", "\xF0\x9F\x98\x80", true},
        Utf8Case{"smallest of each length",
                 std::string("\x00\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80", 10), true},
        Utf8Case{"largest scalar", "\xF4\x8F\xBF\xBF", true},
        Utf8Case{"last before surrogates", "\xED\x9F\xBF", true},
        Utf8Case{"first after surrogates", "\xEE\x80\x80", true},
        Utf8Case{"overlong slash", "\xC0\xAF", false}, Utf8Case{"overlong nul", "\xC0\x80", false},
        Utf8Case{"overlong three bytes", "\xE0\x80\xAF", false},
        Utf8Case{"overlong four bytes", "\xF0\x8F\xBF\xBF", false},
        Utf8Case{"high surrogate", "\xED\xA0\x80", false},
        Utf8Case{"low surrogate", "\xED\xBF\xBF", false},
        Utf8Case{"above U+10FFFF", "\xF4\x90\x80\x80", false},
        Utf8Case{"lead F5", "\xF5\x80\x80\x80", false}, Utf8Case{"lead FF", "\xFF", false},
        Utf8Case{"stray continuation", "a\x80z", false},
        Utf8Case{"truncated at end", "ok\xE2\x9C", false},
        Utf8Case{"truncated before ascii",
                 "\xE2\x9C"
                 "a",
                 false},
        Utf8Case{"continuation missing inside",
                 "\xF0\x9F\x98"
                 "a",
                 false}),
    [](const ::testing::TestParamInfo<Utf8Case>& info) {
        std::string name = info.param.label;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

}  // namespace
