#pragma once
// The least a client can do to post a body over HTTPS: one libcurl easy handle, set up once and
// reused for every request, so every post after the first goes over the same kept-alive
// connection. The yardstick for the tracker's own sending.

#include <array>
#include <string>
#include <vector>

#include "platform/CurlHandles.hpp"

namespace zolbench {

class RawCurlPoster {
  public:
    /// `headers` as "Name: value" lines; `connectTo` as curl's --connect-to rules; `caFile` the
    /// CA bundle to trust. Certificates are verified. Throws std::runtime_error when curl refuses
    /// a setting.
    RawCurlPoster(const std::string& url, const std::vector<std::string>& headers,
                  const std::vector<std::string>& connectTo, const std::string& caFile);

    RawCurlPoster(const RawCurlPoster&) = delete;
    RawCurlPoster& operator=(const RawCurlPoster&) = delete;

    /// One POST of `body`, blocking until the answer is in. Throws std::runtime_error on a
    /// transport failure or a status other than 200.
    void post(const std::string& body);

  private:
    zolsolutions::platform::CurlEasyHandle easy_;
    zolsolutions::platform::CurlStringList headers_;
    zolsolutions::platform::CurlStringList connectTo_;
    std::string received_;
    std::array<char, CURL_ERROR_SIZE> error_{};
};

}  // namespace zolbench
