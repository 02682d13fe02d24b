#pragma once
#include <optional>
#include <string>

#include "httpApi/endpoint/ZolEndpoint.hpp"
#include "httpApi/endpoint/ZolHttpMethod.hpp"

namespace zolsolutions {

/// The one concrete endpoint: five values fixed at construction. It is an object with identity,
/// not a value: there is no equality, hash or printed form, and it cannot be copied (it can be
/// moved, which leaves the source with empty texts).
class ZolRudderStackEndpoint final : public ZolEndpoint {
  public:
    /// An analytics call: POST to the analytics base URL followed by `path` ("track").
    ZolRudderStackEndpoint(std::string path, std::optional<std::string> authHeader,
                           std::optional<std::string> body);

    ZolRudderStackEndpoint(std::string baseUrl, std::string path, ZolHttpMethod method,
                           std::optional<std::string> authHeader, std::optional<std::string> body);

    ZolRudderStackEndpoint(const ZolRudderStackEndpoint&) = delete;
    ZolRudderStackEndpoint& operator=(const ZolRudderStackEndpoint&) = delete;
    ZolRudderStackEndpoint(ZolRudderStackEndpoint&&) = default;
    ZolRudderStackEndpoint& operator=(ZolRudderStackEndpoint&&) = default;
    ~ZolRudderStackEndpoint() override = default;

    const std::optional<std::string>& authHeader() const override { return authHeader_; }
    const std::string& baseUrl() const override { return baseUrl_; }
    const std::optional<std::string>& body() const override { return body_; }
    ZolHttpMethod method() const override { return method_; }
    const std::string& path() const override { return path_; }

  private:
    std::string baseUrl_;
    std::string path_;
    ZolHttpMethod method_;
    std::optional<std::string> authHeader_;
    std::optional<std::string> body_;
};

}  // namespace zolsolutions
