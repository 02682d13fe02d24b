#pragma once
// What answered a data task. Only an HttpUrlResponse carries a status code; a caller tells the two
// apart with dynamic_cast.

#include <cstdint>

namespace zolsolutions::platform {

/// A response that is not known to be an HTTP response.
class UrlResponse {
  public:
    UrlResponse() = default;
    virtual ~UrlResponse() = default;
    UrlResponse(const UrlResponse&) = default;
    UrlResponse& operator=(const UrlResponse&) = default;
};

class HttpUrlResponse : public UrlResponse {
  public:
    explicit HttpUrlResponse(std::int64_t statusCode) : statusCode_(statusCode) {}

    std::int64_t statusCode() const noexcept { return statusCode_; }

  private:
    std::int64_t statusCode_;
};

}  // namespace zolsolutions::platform
