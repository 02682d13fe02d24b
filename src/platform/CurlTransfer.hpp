#pragma once
// One request over the network: an easy handle set up from a request and the session's
// configuration, and the answer it collects. Lives on the worker thread only.

#include <curl/curl.h>

#include <array>
#include <optional>
#include <string>

#include "platform/CurlHandles.hpp"
#include "platform/DataTaskCompletion.hpp"
#include "platform/MutableUrlRequest.hpp"
#include "platform/TransferLimits.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::platform {

class CurlTransfer {
  public:
    /// Throws std::runtime_error (with a description for the task's error) when curl refuses a
    /// setting, std::bad_alloc when out of memory. `request` must have passed findRequestFault.
    CurlTransfer(const MutableUrlRequest& request, const SessionConfiguration& configuration,
                 const TransferLimits& limits);

    // curl keeps pointers into this object (body, error buffer, received bytes): it stays put.
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    CURL* easy() const noexcept { return easy_.get(); }

    /// What the task ends with, once curl reports `result` for this transfer. Call once: the
    /// received bytes move into the outcome.
    DataTaskOutcome takeOutcome(CURLcode result);

  private:
    void setMethodAndBody(const MutableUrlRequest& request);
    void setHeaders(const MutableUrlRequest& request);
    void setConnection(const SessionConfiguration& configuration, const TransferLimits& limits);
    static std::size_t collect(char* bytes, std::size_t size, std::size_t count, void* self);

    CurlEasyHandle easy_;
    CurlStringList headers_;
    CurlStringList connectTo_;
    std::string body_;
    std::string received_;
    std::array<char, CURL_ERROR_SIZE> errorBuffer_{};
};

}  // namespace zolsolutions::platform
