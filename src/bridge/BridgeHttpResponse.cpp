// ZolHttpResponse for hosts.
#include <cstdint>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

const ZolHttpResponse& responseOf(const ZolSolutionsZolHttpResponse* handle,
                                  const char* argument = "response") {
    return requiredHandle(handle, argument).value;
}

}  // namespace

extern "C" {

ZolSolutionsZolHttpResponse* ZolSolutionsZolHttpResponse_initWithStatusCode_body(int32_t statusCode,
                                                                                 const char* body) {
    return bridgeCall(__func__, static_cast<ZolSolutionsZolHttpResponse*>(nullptr), [&] {
        return new ZolSolutionsZolHttpResponse{ZolHttpResponse(statusCode, optionalText(body))};
    });
}

ZolSolutionsZolHttpResponse* ZolSolutionsZolHttpResponse_doCopyStatusCode_body(
    const ZolSolutionsZolHttpResponse* response, int32_t statusCode, const char* body) {
    return bridgeCall(__func__, static_cast<ZolSolutionsZolHttpResponse*>(nullptr), [&] {
        return new ZolSolutionsZolHttpResponse{
            responseOf(response).copy(statusCode, optionalText(body))};
    });
}

void ZolSolutionsZolHttpResponse_release(ZolSolutionsZolHttpResponse* response) {
    delete response;
}

int32_t ZolSolutionsZolHttpResponse_statusCode(const ZolSolutionsZolHttpResponse* response) {
    return bridgeCall(__func__, std::int32_t{0}, [&] { return responseOf(response).statusCode(); });
}

char* ZolSolutionsZolHttpResponse_body(const ZolSolutionsZolHttpResponse* response) {
    return bridgeCall(__func__, static_cast<char*>(nullptr), [&]() -> char* {
        const auto& body = responseOf(response).body();
        return body ? copyOut(*body) : nullptr;
    });
}

bool ZolSolutionsZolHttpResponse_isEqual(const ZolSolutionsZolHttpResponse* response,
                                         const ZolSolutionsZolHttpResponse* other) {
    return bridgeCall(__func__, false,
                      [&] { return responseOf(response) == responseOf(other, "other"); });
}

int32_t ZolSolutionsZolHttpResponse_hash(const ZolSolutionsZolHttpResponse* response) {
    return bridgeCall(__func__, std::int32_t{0}, [&] { return responseOf(response).hashCode(); });
}

char* ZolSolutionsZolHttpResponse_description(const ZolSolutionsZolHttpResponse* response) {
    return bridgeCall(__func__, static_cast<char*>(nullptr),
                      [&] { return copyOut(responseOf(response).toString()); });
}

}  // extern "C"
