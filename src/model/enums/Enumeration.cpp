#include "zolsolutions/model/enums/Enumeration.hpp"

namespace zolsolutions {

namespace {
constexpr char toLowerAscii(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char toUpperAscii(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::string lowerCaseName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        c = toLowerAscii(c);
    }
    return lower;
}

std::string lowerCamelCaseName(std::string_view name) {
    std::string camel;
    camel.reserve(name.size());
    bool startOfWord = false;
    for (char c : name) {
        if (c == '_') {
            startOfWord = !camel.empty();
            continue;
        }
        camel.push_back(startOfWord ? toUpperAscii(c) : toLowerAscii(c));
        startOfWord = false;
    }
    return camel;
}

}  // namespace zolsolutions
