#pragma once
#include <memory>

#include "httpApi/endpoint/ZolEndpoint.hpp"
#include "platform/UrlSessionTypes.hpp"
#include "runtime/Deferred.hpp"
#include "runtime/Task.hpp"
#include "zolsolutions/httpApi/endpoint/ZolHttpResponse.hpp"

namespace zolsolutions {

/// Turns the platform's completion of one data task into a response record. It holds the
/// request's deferred result and nothing else; it runs on the session's thread and completes the
/// result exactly once, always with a value.
class ZolCompletionHandler {
  public:
    explicit ZolCompletionHandler(std::shared_ptr<runtime::Deferred<ZolHttpResponse>> result);
    void operator()(std::optional<std::string> data,
                    std::shared_ptr<const platform::UrlResponse> response,
                    std::optional<platform::UrlError> error) const;

  private:
    std::shared_ptr<runtime::Deferred<ZolHttpResponse>> result_;
};

/// Performs one request through the platform's shared URL session. Stateless: every request
/// builds its URL, request and deferred result afresh.
class ZolPlatformHttpClient {
  public:
    /// Waits without blocking a thread; resumes on the session's thread once answered.
    /// Throws ZolNullReferenceError when baseUrl + path is not a URL (nothing is sent).
    runtime::Task<ZolHttpResponse> request(const ZolEndpoint& endpoint);

  private:
    void sendRequest(platform::MutableUrlRequest request,
                     std::shared_ptr<runtime::Deferred<ZolHttpResponse>> result);
};

}  // namespace zolsolutions
