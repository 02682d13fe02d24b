#include "platform/CurlGlobalInitializer.hpp"

#include <curl/curl.h>

#include <stdexcept>
#include <string>

namespace zolsolutions::platform {

CurlGlobalInitializer::CurlGlobalInitializer() {
    // The libcurl in use is built thread-safe, so this may race with other users of curl in the
    // host process; each init is matched by exactly one cleanup below.
    const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (code != CURLE_OK) {
        throw std::runtime_error(std::string("libcurl failed to initialise: ") +
                                 curl_easy_strerror(code));
    }
}

CurlGlobalInitializer::~CurlGlobalInitializer() {
    curl_global_cleanup();
}

}  // namespace zolsolutions::platform
