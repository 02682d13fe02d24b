#pragma once
#include <memory>

#include "ZolHttpClient.hpp"
#include "httpApi/ZolPlatformHttpClient.hpp"

namespace zolsolutions {

/// The client a tracker holds: hands every endpoint unchanged to its platform client.
class ZolHttpClientImpl final : public ZolHttpClient {
  public:
    explicit ZolHttpClientImpl(std::shared_ptr<ZolPlatformHttpClient> platformClient);
    runtime::Task<ZolHttpResponse> request(const ZolRudderStackEndpoint& endpoint) override;

  private:
    std::shared_ptr<ZolPlatformHttpClient> platformClient_;
};

}  // namespace zolsolutions
