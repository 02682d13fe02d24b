#include "httpApi/ZolPlatformHttpClient.hpp"

#include <utility>

#include "httpApi/ZolNullReferenceError.hpp"

namespace zolsolutions {

namespace {
constexpr std::int32_t kNoHttpAnswer = 500;
}

ZolCompletionHandler::ZolCompletionHandler(
    std::shared_ptr<runtime::Deferred<ZolHttpResponse>> result)
    : result_(std::move(result)) {}

void ZolCompletionHandler::operator()(std::optional<std::string> data,
                                      std::shared_ptr<const platform::UrlResponse> response,
                                      std::optional<platform::UrlError> error) const {
    if (error) {
        result_->complete(
            ZolHttpResponse(kNoHttpAnswer, "Error: " + error->localizedDescription()));
        return;
    }
    std::int32_t status = kNoHttpAnswer;
    if (auto http = std::dynamic_pointer_cast<const platform::HttpUrlResponse>(response)) {
        status = static_cast<std::int32_t>(http->statusCode());
    }
    std::string body;
    if (data) {
        body = platform::utf8Decode(*data).value_or("null");
    }
    result_->complete(ZolHttpResponse(status, std::move(body)));
}

runtime::Task<ZolHttpResponse> ZolPlatformHttpClient::request(const ZolEndpoint& endpoint) {
    auto result = runtime::Deferred<ZolHttpResponse>::create();
    const std::string urlText = endpoint.baseUrl() + endpoint.path();
    auto url = platform::Url::fromString(urlText);
    if (!url) {
        throw ZolNullReferenceError("not a URL: " + urlText);
    }
    platform::MutableUrlRequest request(*url);
    request.setHttpMethod(std::string(name(endpoint.method())));
    request.setValueForHttpHeaderField("application/json", "Content-Type");
    request.setValueForHttpHeaderField(endpoint.authHeader().value_or(""), "Authorization");
    if (endpoint.body()) {
        request.setHttpBody(platform::utf8Encode(*endpoint.body()));
    }
    sendRequest(std::move(request), result);
    co_return co_await *result;
}

void ZolPlatformHttpClient::sendRequest(
    platform::MutableUrlRequest request,
    std::shared_ptr<runtime::Deferred<ZolHttpResponse>> result) {
    auto task = platform::UrlSession::shared().dataTaskWithRequest(
        std::move(request), ZolCompletionHandler(std::move(result)));
    task->resume();
}

}  // namespace zolsolutions
