#include "platform/MutableUrlRequest.hpp"

#include <algorithm>
#include <cctype>

namespace zolsolutions::platform {

namespace {

bool sameFieldName(std::string_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

void MutableUrlRequest::setValueForHttpHeaderField(std::string value, std::string field) {
    auto existing = std::find_if(headers_.begin(), headers_.end(), [&](const auto& header) {
        return sameFieldName(header.first, field);
    });
    if (existing != headers_.end()) {
        existing->second = std::move(value);
        return;
    }
    headers_.emplace_back(std::move(field), std::move(value));
}

std::optional<std::string> MutableUrlRequest::valueForHttpHeaderField(
    std::string_view field) const {
    for (const auto& [name, value] : headers_) {
        if (sameFieldName(name, field)) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace zolsolutions::platform
