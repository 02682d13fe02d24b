#pragma once
// One HTTP request as the caller builds it: the URL, the method text, headers in the order they
// were first set, and the body bytes.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Url.hpp"

namespace zolsolutions::platform {

class MutableUrlRequest {
  public:
    using HeaderFields = std::vector<std::pair<std::string, std::string>>;

    /// Default settings: method "GET", no headers, no body.
    explicit MutableUrlRequest(Url url) : url_(std::move(url)) {}

    /// Sent unchanged, case included. A method that is not an HTTP token fails the task.
    void setHttpMethod(std::string method) { method_ = std::move(method); }

    /// Sets one header. Setting a field again (names compare without regard to case) replaces its
    /// value and keeps its place. An empty value is sent as an empty header, not left out. A name
    /// that is not an HTTP token, or a value holding CR, LF or NUL, fails the task rather than
    /// reshaping the request on the wire.
    void setValueForHttpHeaderField(std::string value, std::string field);

    /// nullopt: no body.
    void setHttpBody(std::optional<std::string> bytes) { body_ = std::move(bytes); }

    const Url& url() const noexcept { return url_; }
    const std::string& httpMethod() const noexcept { return method_; }
    const HeaderFields& allHttpHeaderFields() const noexcept { return headers_; }
    /// The value set for `field` (any case), or nullopt.
    std::optional<std::string> valueForHttpHeaderField(std::string_view field) const;
    const std::optional<std::string>& httpBody() const noexcept { return body_; }

  private:
    Url url_;
    std::string method_ = "GET";
    HeaderFields headers_;
    std::optional<std::string> body_;
};

}  // namespace zolsolutions::platform
