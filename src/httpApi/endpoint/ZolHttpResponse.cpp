#include "zolsolutions/httpApi/endpoint/ZolHttpResponse.hpp"

#include <utility>

#include "util/ZolHash.hpp"

namespace zolsolutions {

ZolHttpResponse::ZolHttpResponse(std::int32_t statusCode, std::optional<std::string> body)
    : statusCode_(statusCode), body_(std::move(body)) {}

ZolHttpResponse ZolHttpResponse::copy(std::int32_t statusCode,
                                      std::optional<std::string> body) const {
    return ZolHttpResponse(statusCode, std::move(body));
}

std::int32_t ZolHttpResponse::hashCode() const {
    return detail::combineHash(statusCode_, detail::optionalTextHash(body_));
}

std::string ZolHttpResponse::toString() const {
    return "ZolHttpResponse(statusCode=" + std::to_string(statusCode_) +
           ", body=" + body_.value_or("null") + ")";
}

std::ostream& operator<<(std::ostream& out, const ZolHttpResponse& response) {
    return out << response.toString();
}

}  // namespace zolsolutions
