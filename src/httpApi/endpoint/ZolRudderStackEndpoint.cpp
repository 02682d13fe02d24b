#include "httpApi/endpoint/ZolRudderStackEndpoint.hpp"

#include <utility>

#include "httpApi/endpoint/ZolServiceUrls.hpp"

namespace zolsolutions {

ZolRudderStackEndpoint::ZolRudderStackEndpoint(std::string path,
                                               std::optional<std::string> authHeader,
                                               std::optional<std::string> body)
    : ZolRudderStackEndpoint(std::string(kAnalyticsBaseUrl), std::move(path), ZolHttpMethod::POST,
                             std::move(authHeader), std::move(body)) {}

ZolRudderStackEndpoint::ZolRudderStackEndpoint(std::string baseUrl, std::string path,
                                               ZolHttpMethod method,
                                               std::optional<std::string> authHeader,
                                               std::optional<std::string> body)
    : baseUrl_(std::move(baseUrl)),
      path_(std::move(path)),
      method_(method),
      authHeader_(std::move(authHeader)),
      body_(std::move(body)) {}

}  // namespace zolsolutions
