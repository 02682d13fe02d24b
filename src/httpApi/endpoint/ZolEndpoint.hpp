#pragma once
#include <optional>
#include <string>

#include "httpApi/endpoint/ZolHttpMethod.hpp"

namespace zolsolutions {

/// The description of one HTTP request, read by the platform HTTP client. The request URL is
/// `baseUrl() + path()`: the base ends in "/" and nothing is inserted between the two.
class ZolEndpoint {
  public:
    virtual ~ZolEndpoint() = default;

    /// The complete value of the "Authorization" header, absent when none is sent.
    virtual const std::optional<std::string>& authHeader() const = 0;
    /// Scheme, host and leading path of the service, ending in "/".
    virtual const std::string& baseUrl() const = 0;
    virtual const std::optional<std::string>& body() const = 0;
    virtual ZolHttpMethod method() const = 0;
    virtual const std::string& path() const = 0;

  protected:
    // Only derived classes copy or move the (stateless) base, so a reference never slices.
    ZolEndpoint() = default;
    ZolEndpoint(const ZolEndpoint&) = default;
    ZolEndpoint(ZolEndpoint&&) = default;
    ZolEndpoint& operator=(const ZolEndpoint&) = default;
    ZolEndpoint& operator=(ZolEndpoint&&) = default;
};

}  // namespace zolsolutions
