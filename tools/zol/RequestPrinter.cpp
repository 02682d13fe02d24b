#include "zol/RequestPrinter.hpp"

#include <nlohmann/json.hpp>

#include "standin/StandIn.hpp"

namespace zolsolutions::tool {

namespace {

std::string indented(const std::string& text, std::string_view indent) {
    std::string result;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        result += indent;
        result.append(text, start, stop - start);
        result += '\n';
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return result;
}

}  // namespace

std::string formatBody(const std::string& body) {
    // Only a well-formed JSON text is re-laid out; anything else is shown exactly as it came.
    const auto parsed = nlohmann::ordered_json::parse(body, nullptr, false);
    if (parsed.is_discarded()) {
        return body;
    }
    return parsed.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string formatRequest(std::size_t number, const standin::RecordedRequest& request,
                          const TerminalStyle& style) {
    std::string text = style.cyan("#" + std::to_string(number)) + " " +
                       style.bold(printable(request.method)) + " " +
                       style.bold(printable(standin::requestUrl(request))) + "\n";
    for (const auto& [name, value] : request.headers) {
        const std::string shown =
            standin::isCredentialHeader(name) ? standin::maskAuthorization(value) : value;
        text += "    " + style.dim(printable(name) + ":") + " " + printable(shown) + "\n";
    }
    if (request.body.empty()) {
        text += "    " + style.dim("(no body)") + "\n";
    } else {
        text += indented(printable(formatBody(request.body)), "    ");
    }
    text += "\n";
    return text;
}

void RequestPrinter::print(const standin::RecordedRequest& request) {
    std::lock_guard lock(mutex_);
    console_.out(formatRequest(printed_ + 1, request, console_.style()));
    ++printed_;
}

std::size_t RequestPrinter::printed() const {
    std::lock_guard lock(mutex_);
    return printed_;
}

}  // namespace zolsolutions::tool
