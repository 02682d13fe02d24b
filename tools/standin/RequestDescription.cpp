#include "standin/RequestDescription.hpp"

#include <algorithm>
#include <cstdio>

namespace zolsolutions::standin {

namespace {

constexpr std::string_view kBasicScheme = "Basic ";
constexpr std::string_view kMask = "***";

char lowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

bool equalsIgnoringCase(std::string_view left, std::string_view right) noexcept {
    return left.size() == right.size() && startsWithIgnoringCase(left, right);
}

std::string printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof(escaped), "\\x%02x", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

std::string requestUrl(const RecordedRequest& request) {
    return "https://" + request.header("Host").value_or("") + request.target;
}

std::string maskAuthorization(std::string_view value) {
    if (startsWithIgnoringCase(value, kBasicScheme)) {
        const std::string_view scheme = value.substr(0, kBasicScheme.size());
        return std::string(scheme) +
               std::string(value.size() > kBasicScheme.size() ? kMask : std::string_view{});
    }
    return value.empty() ? std::string() : std::string(kMask);
}

bool isCredentialHeader(std::string_view name) noexcept {
    return equalsIgnoringCase(name, "Authorization") ||
           equalsIgnoringCase(name, "Proxy-Authorization");
}

std::string describeForLog(const RecordedRequest& request) {
    std::string text = printable(request.method) + " " + printable(requestUrl(request)) + " (" +
                       std::to_string(request.body.size()) + " body bytes)\n";
    for (const auto& [name, value] : request.headers) {
        const bool credential = isCredentialHeader(name);
        text += "    " + printable(name) + ": " +
                printable(credential ? maskAuthorization(value) : value) + "\n";
    }
    return text;
}

}  // namespace zolsolutions::standin
