#pragma once
// libcurl's process-wide set-up, tied to an object instead of to luck: the session holds one for
// as long as it owns curl handles, so curl_global_cleanup can never run before the last of them
// is freed.

namespace zolsolutions::platform {

class CurlGlobalInitializer {
  public:
    /// Throws std::runtime_error when libcurl cannot initialise.
    CurlGlobalInitializer();
    ~CurlGlobalInitializer();
    CurlGlobalInitializer(const CurlGlobalInitializer&) = delete;
    CurlGlobalInitializer& operator=(const CurlGlobalInitializer&) = delete;
};

}  // namespace zolsolutions::platform
