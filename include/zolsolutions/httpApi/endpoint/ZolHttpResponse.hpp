#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace zolsolutions {

/// The result of one HTTP request: the status code and the answer's body text. Transport
/// failures arrive as status 500 with a body beginning "Error: "; nothing here judges a code.
class ZolHttpResponse {
  public:
    ZolHttpResponse(std::int32_t statusCode, std::optional<std::string> body);

    std::int32_t statusCode() const noexcept { return statusCode_; }
    /// Absent and empty are different answers and compare unequal.
    const std::optional<std::string>& body() const noexcept { return body_; }

    ZolHttpResponse copy(std::int32_t statusCode, std::optional<std::string> body) const;

    bool operator==(const ZolHttpResponse&) const = default;

    /// statusCode * 31 + the UTF-16 polynomial hash of the body (0 when absent), wrapping at
    /// 32 bits, so that a response hashes alike on every host.
    std::int32_t hashCode() const;

    /// "ZolHttpResponse(statusCode=200, body=...)", the body unquoted, null when absent.
    std::string toString() const;

  private:
    std::int32_t statusCode_;
    std::optional<std::string> body_;
};

std::ostream& operator<<(std::ostream& out, const ZolHttpResponse& response);

}  // namespace zolsolutions
