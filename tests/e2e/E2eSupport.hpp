#pragma once
// What the end-to-end tests share: the library's shared session pointed at a stand-in for the
// whole test, and one request of the HTTP client layer run to its end from a test's thread.

#include <gtest/gtest.h>

#include <chrono>
#include <exception>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "httpApi/ZolPlatformHttpClient.hpp"
#include "httpApi/endpoint/ZolRudderStackEndpoint.hpp"
#include "runtime/Spawn.hpp"
#include "standin/StandIn.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zoltest {

/// Long enough for a slow sanitizer build on a busy machine; a healthy run takes milliseconds.
inline constexpr auto kWait = std::chrono::seconds(30);

/// Routes the shared session to the stand-in for its whole life, and back to nothing after.
class RoutedToStandIn {
  public:
    explicit RoutedToStandIn(const zolsolutions::standin::StandIn& standIn) {
        zolsolutions::standin::configureSharedSessionFor(standIn);
    }
    ~RoutedToStandIn() { zolsolutions::platform::configureSharedSession({}); }
    RoutedToStandIn(const RoutedToStandIn&) = delete;
    RoutedToStandIn& operator=(const RoutedToStandIn&) = delete;
};

namespace detail {

// Everything the operation touches is shared with it, so that a test that gives up waiting
// leaves nothing dangling behind.
inline zolsolutions::runtime::Task<void> requestInto(
    std::shared_ptr<const zolsolutions::ZolRudderStackEndpoint> endpoint,
    std::shared_ptr<std::promise<zolsolutions::ZolHttpResponse>> result) {
    zolsolutions::ZolPlatformHttpClient client;
    result->set_value(co_await client.request(*endpoint));
}

}  // namespace detail

/// Runs one `request` of the platform HTTP client to its end. nullopt when it did not end in
/// time (a failure has been recorded); rethrows what the request threw.
inline std::optional<zolsolutions::ZolHttpResponse> perform(
    zolsolutions::ZolRudderStackEndpoint endpoint) {
    auto shared = std::make_shared<const zolsolutions::ZolRudderStackEndpoint>(std::move(endpoint));
    auto result = std::make_shared<std::promise<zolsolutions::ZolHttpResponse>>();
    auto answered = result->get_future();
    zolsolutions::runtime::spawn(detail::requestInto(shared, result),
                                 [result](std::exception_ptr error) {
                                     if (error) {
                                         result->set_exception(error);
                                     }
                                 });
    if (answered.wait_for(kWait) != std::future_status::ready) {
        ADD_FAILURE() << "the request was not answered in time";
        return std::nullopt;
    }
    return answered.get();
}

}  // namespace zoltest
