#include "standin/RecordedRequest.hpp"

#include <algorithm>
#include <cctype>

namespace zolsolutions::standin {

namespace {

bool equalsIgnoringCase(std::string_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string_view RecordedRequest::path() const noexcept {
    const std::string_view whole(target);
    return whole.substr(0, whole.find('?'));
}

std::optional<std::string> RecordedRequest::header(std::string_view name) const {
    for (const auto& [field, value] : headers) {
        if (equalsIgnoringCase(field, name)) {
            return value;
        }
    }
    return std::nullopt;
}

bool parseRequestHead(std::string_view bytes, RecordedRequest& request) {
    const std::size_t headEnd = bytes.find("\r\n\r\n");
    if (headEnd == std::string_view::npos) {
        return false;
    }
    std::string_view head = bytes.substr(0, headEnd + 2);
    const std::size_t lineEnd = head.find("\r\n");
    const std::string_view requestLine = head.substr(0, lineEnd);
    const std::size_t firstSpace = requestLine.find(' ');
    const std::size_t lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string_view::npos || lastSpace <= firstSpace) {
        return false;
    }
    request.method = requestLine.substr(0, firstSpace);
    request.target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    request.headers.clear();
    request.headBytes = headEnd + 4;
    head.remove_prefix(lineEnd + 2);
    while (!head.empty()) {
        const std::size_t end = head.find("\r\n");
        const std::string_view line = head.substr(0, end);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) {
            return false;
        }
        request.headers.emplace_back(line.substr(0, colon), trimmed(line.substr(colon + 1)));
        head.remove_prefix(end + 2);
    }
    return true;
}

}  // namespace zolsolutions::standin
