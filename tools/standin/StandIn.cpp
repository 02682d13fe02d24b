#include "standin/StandIn.hpp"

#include <atomic>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <utility>

#include "standin/LoopbackHttpsServer.hpp"
#include "standin/SelfSignedCertificate.hpp"

namespace zolsolutions::standin {

namespace {

constexpr const char* kJsonContentType = "application/json; charset=UTF-8";
constexpr const char* kTextContentType = "text/plain";
constexpr const char* kAnalyticsPaths = "/v1/(track|identify)";
// Only plain document names: a name is echoed in the NOT_FOUND answer without escaping.
constexpr const char* kDocumentNamePattern = "([A-Za-z0-9_-]+)";
// Every method the underlying server routes, so that every request reaches the observer.
constexpr const char* kMethods[] = {"GET", "POST", "PUT", "PATCH", "DELETE", "OPTIONS"};

std::string escapedForRegex(std::string_view text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(std::string(text), special, R"(\$&)");
}

std::string documentOf(const RecordedRequest& request) {
    return std::string(request.path().substr(kToggleCollectionPath.size()));
}

}  // namespace

struct StandIn::Switches {
    std::atomic<SwitchState> analytics;
    std::atomic<SwitchState> crash;

    std::atomic<SwitchState>& of(ZolFeatureToggleEvent toggle) noexcept {
        return toggle == ZolFeatureToggleEvent::ANALYTICS ? analytics : crash;
    }
};

StandIn::StandIn() : StandIn(Options{}) {}

StandIn::StandIn(Options options)
    : switches_(std::make_unique<Switches>()),
      onRequest_(std::move(options.onRequest)),
      server_(std::make_unique<LoopbackHttpsServer>(SelfSignedCertificate::defaultHosts(),
                                                    options.port)) {
    switches_->analytics = options.analytics;
    switches_->crash = options.crash;
    addRoutes();
}

StandIn::~StandIn() = default;

void StandIn::addRoutes() {
    const auto observe = [this](const RecordedRequest& request) {
        if (!onRequest_) {
            return;
        }
        try {
            onRequest_(request);
        } catch (...) {
            // A log line that could not be written must not cost the client its answer.
        }
    };
    server_->on("GET", escapedForRegex(kToggleCollectionPath) + kDocumentNamePattern,
                [this, observe](const RecordedRequest& request, httplib::Response& response) {
                    observe(request);
                    const std::string document = documentOf(request);
                    SwitchState state = SwitchState::Missing;
                    for (const auto toggle : entries<ZolFeatureToggleEvent>()) {
                        if (document == featureName(toggle)) {
                            state = switchState(toggle);
                        }
                    }
                    if (state == SwitchState::Missing) {
                        response.status = 404;
                        response.set_content(missingDocumentBody(document), kJsonContentType);
                        return;
                    }
                    response.set_content(toggleDocumentBody(document, state == SwitchState::On),
                                         kJsonContentType);
                });
    server_->on("POST", kAnalyticsPaths,
                [observe](const RecordedRequest& request, httplib::Response& response) {
                    observe(request);
                    response.set_content("OK", kTextContentType);
                });
    for (const char* method : kMethods) {
        server_->on(method, ".*",
                    [observe](const RecordedRequest& request, httplib::Response& response) {
                        observe(request);
                        response.status = 404;
                    });
    }
}

void StandIn::setSwitch(ZolFeatureToggleEvent toggle, SwitchState state) noexcept {
    switches_->of(toggle).store(state);
}

SwitchState StandIn::switchState(ZolFeatureToggleEvent toggle) const noexcept {
    return switches_->of(toggle).load();
}

int StandIn::port() const noexcept {
    return server_->port();
}

std::vector<std::string> StandIn::connectToRules() const {
    return server_->connectToRules();
}

const std::string& StandIn::caFile() const noexcept {
    return server_->caFile();
}

const std::string& StandIn::caPem() const noexcept {
    return server_->caPem();
}

void StandIn::writeCaFile(const std::filesystem::path& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << caPem();
    file.close();
    if (!file) {
        throw std::runtime_error("could not write the CA certificate to " + path.string());
    }
}

std::vector<RecordedRequest> StandIn::requests() const {
    return server_->requests();
}

std::vector<RecordedRequest> StandIn::waitForRequests(std::size_t count,
                                                      std::chrono::milliseconds timeout) const {
    return server_->waitForRequests(count, timeout);
}

std::uint64_t StandIn::bytesReceived() const {
    return server_->bytesReceived();
}

void StandIn::clear() {
    server_->clearRequests();
}

}  // namespace zolsolutions::standin
