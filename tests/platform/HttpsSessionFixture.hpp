#pragma once
// The shared session pointed at a real HTTPS server on loopback: the service host names are
// connected to it, and its certificate is the one trusted.

#include <gtest/gtest.h>

#include <string>

#include "platform/CompletionProbe.hpp"
#include "platform/UrlSessionTypes.hpp"
#include "standin/LoopbackHttpsServer.hpp"

namespace zoltest {

inline const std::string kAnalyticsBase = "https://zolsolutions.dataplane.rudderstack.com/v1/";
inline const std::string kDocumentBase = "https://firestore.googleapis.com/v1/";

class HttpsSessionTest : public ::testing::Test {
  protected:
    HttpsSessionTest() {
        zolsolutions::platform::configureSharedSession(
            {server.connectToRules(), server.caFile(), {}});
    }
    ~HttpsSessionTest() override { zolsolutions::platform::configureSharedSession({}); }

    static zolsolutions::platform::UrlSession& session() {
        return zolsolutions::platform::UrlSession::shared();
    }
    Completion send(zolsolutions::platform::MutableUrlRequest request) {
        return perform(session(), std::move(request));
    }
    /// Answers every request of `method` with 200 and `body`.
    void answerAll(const std::string& method, const std::string& body = "OK") {
        server.on(method, ".*", [body](const auto&, httplib::Response& response) {
            response.set_content(body, "text/plain");
        });
    }

    zolsolutions::standin::LoopbackHttpsServer server;
};

}  // namespace zoltest
