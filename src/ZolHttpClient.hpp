#pragma once
#include "httpApi/endpoint/ZolRudderStackEndpoint.hpp"
#include "runtime/Task.hpp"
#include "zolsolutions/httpApi/endpoint/ZolHttpResponse.hpp"

namespace zolsolutions {

/// Performs one HTTP request per call. Every request that reaches the platform yields a response
/// record: transport failures come back as status 500, never as an error, and no status code is
/// judged here. The endpoint must outlive the returned task (callers await it at once).
class ZolHttpClient {
  public:
    virtual ~ZolHttpClient() = default;
    virtual runtime::Task<ZolHttpResponse> request(const ZolRudderStackEndpoint& endpoint) = 0;
};

}  // namespace zolsolutions
