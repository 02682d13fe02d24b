#pragma once
// A request exactly as it arrived at the stand-in: its request line and header lines as sent,
// not as an HTTP library would tidy them (which sorts headers, decodes escapes and drops empty
// ones).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolsolutions::standin {

struct RecordedRequest {
    std::string method;
    std::string target;  // path and query, as in the request line
    std::vector<std::pair<std::string, std::string>> headers;  // in wire order; values trimmed
    std::string body;                                          // bytes, as received
    int remotePort = -1;
    std::size_t connection = 0;  // which TLS connection it came on, counted from 0
    std::size_t headBytes = 0;   // request line, header lines and the blank line, as sent

    /// The target without its query.
    std::string_view path() const noexcept;
    /// The first header of that name (any case), or nullopt.
    std::optional<std::string> header(std::string_view name) const;
};

/// Reads the request line and header lines at the start of `bytes` into `request`. False when
/// they are not all there or not well formed.
bool parseRequestHead(std::string_view bytes, RecordedRequest& request);

}  // namespace zolsolutions::standin
