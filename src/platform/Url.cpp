#include "platform/Url.hpp"

#include <curl/curl.h>

#include "platform/CurlHandles.hpp"

namespace zolsolutions::platform {

namespace {

bool hasPart(CURLU* url, CURLUPart part) {
    char* raw = nullptr;
    const CURLUcode code = curl_url_get(url, part, &raw, 0);
    CurlString value(raw);
    return code == CURLUE_OK && value && *value != '\0';
}

}  // namespace

std::optional<Url> Url::fromString(std::string_view text) {
    // curl reads a C string: a NUL inside would silently cut the URL short.
    if (text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    CurlUrlHandle url(curl_url());
    if (!url) {
        return std::nullopt;
    }
    std::string owned(text);
    // No default scheme: "host/path" is not a URL. Path as is: the request sends the text
    // unchanged, so checking must not be more lenient than sending.
    const CURLUcode code = curl_url_set(url.get(), CURLUPART_URL, owned.c_str(),
                                        CURLU_NON_SUPPORT_SCHEME | CURLU_PATH_AS_IS);
    if (code != CURLUE_OK || !hasPart(url.get(), CURLUPART_SCHEME) ||
        !hasPart(url.get(), CURLUPART_HOST)) {
        return std::nullopt;
    }
    return Url(std::move(owned));
}

}  // namespace zolsolutions::platform
