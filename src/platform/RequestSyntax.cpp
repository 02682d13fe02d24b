#include "platform/RequestSyntax.hpp"

#include <algorithm>

namespace zolsolutions::platform {

namespace {

bool isTokenCharacter(char c) noexcept {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        return true;
    }
    return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool breaksTheLine(char c) noexcept {
    return c == '\r' || c == '\n' || c == '\0';
}

}  // namespace

bool isHttpToken(std::string_view text) noexcept {
    return !text.empty() && std::all_of(text.begin(), text.end(), isTokenCharacter);
}

std::optional<std::string> findRequestFault(const MutableUrlRequest& request) {
    if (!isHttpToken(request.httpMethod())) {
        return "The request method \"" + request.httpMethod() + "\" is not a valid HTTP method";
    }
    for (const auto& [field, value] : request.allHttpHeaderFields()) {
        if (!isHttpToken(field)) {
            return "The header field name \"" + field + "\" is not a valid HTTP field name";
        }
        if (std::any_of(value.begin(), value.end(), breaksTheLine)) {
            return "The value of the header field \"" + field +
                   "\" holds a line break or NUL character";
        }
    }
    return std::nullopt;
}

std::string_view trimOptionalWhiteSpace(std::string_view value) noexcept {
    const auto isWhiteSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!value.empty() && isWhiteSpace(value.front())) {
        value.remove_prefix(1);
    }
    while (!value.empty() && isWhiteSpace(value.back())) {
        value.remove_suffix(1);
    }
    return value;
}

}  // namespace zolsolutions::platform
