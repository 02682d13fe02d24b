#include "platform/ObservedCompletion.hpp"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

namespace zolsolutions::platform {

namespace {

long statusOf(const std::shared_ptr<const UrlResponse>& response) {
    const auto* http = dynamic_cast<const HttpUrlResponse*>(response.get());
    return http != nullptr ? static_cast<long>(http->statusCode()) : 0;
}

void tellObserver(const TransferObserver& observer, const std::string& method,
                  const std::string& url, long status) noexcept {
    // A diagnostic hook must never cost the request its completion.
    try {
        observer(method, url, status);
    } catch (const std::exception& thrown) {
        std::fprintf(stderr, "zolsolutions: a transfer observer threw: %s\n", thrown.what());
    } catch (...) {
        std::fprintf(stderr, "zolsolutions: a transfer observer threw\n");
    }
}

}  // namespace

DataTaskCompletionHandler observeCompletion(DataTaskCompletionHandler handler,
                                            TransferObserver observer, std::string method,
                                            std::string url) {
    return [handler = std::move(handler), observer = std::move(observer),
            method = std::move(method), url = std::move(url)](
               std::optional<std::string> data, std::shared_ptr<const UrlResponse> response,
               std::optional<UrlError> error) {
        tellObserver(observer, method, url, error ? 0 : statusOf(response));
        if (handler) {
            handler(std::move(data), std::move(response), std::move(error));
        }
    };
}

}  // namespace zolsolutions::platform
