#include "httpApi/ZolHttpClientImpl.hpp"

#include <utility>

namespace zolsolutions {

ZolHttpClientImpl::ZolHttpClientImpl(std::shared_ptr<ZolPlatformHttpClient> platformClient)
    : platformClient_(std::move(platformClient)) {}

runtime::Task<ZolHttpResponse> ZolHttpClientImpl::request(const ZolRudderStackEndpoint& endpoint) {
    co_return co_await platformClient_->request(endpoint);
}

}  // namespace zolsolutions
