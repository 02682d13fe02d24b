#include "platform/CurlTransfer.hpp"

#include <new>
#include <stdexcept>
#include <utility>

#include "platform/RequestSyntax.hpp"

namespace zolsolutions::platform {

namespace {

// The platform's own HTTP stack stops following after this many redirects.
constexpr long kMaximumRedirects = 16;

template <typename Value>
void setOption(CURL* easy, CURLoption option, Value value) {
    const CURLcode code = curl_easy_setopt(easy, option, value);
    if (code == CURLE_OUT_OF_MEMORY) {
        throw std::bad_alloc();
    }
    if (code != CURLE_OK) {
        throw std::runtime_error(std::string("The request could not be set up: ") +
                                 curl_easy_strerror(code));
    }
}

bool hasField(const MutableUrlRequest& request, std::string_view field) {
    return request.valueForHttpHeaderField(field).has_value();
}

}  // namespace

CurlTransfer::CurlTransfer(const MutableUrlRequest& request,
                           const SessionConfiguration& configuration, const TransferLimits& limits)
    : easy_(curl_easy_init()) {
    if (!easy_) {
        throw std::bad_alloc();
    }
    CURL* easy = easy_.get();
    setOption(easy, CURLOPT_ERRORBUFFER, errorBuffer_.data());
    setOption(easy, CURLOPT_NOSIGNAL, 1L);
    setOption(easy, CURLOPT_URL, request.url().text().c_str());
    // The URL is sent as it was written: no dot segments removed, double slashes kept.
    setOption(easy, CURLOPT_PATH_AS_IS, 1L);
    setOption(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    setOption(easy, CURLOPT_FOLLOWLOCATION, 1L);
    setOption(easy, CURLOPT_MAXREDIRS, kMaximumRedirects);
    // Never follow a redirect away from TLS.
    setOption(easy, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    setOption(easy, CURLOPT_WRITEFUNCTION, &CurlTransfer::collect);
    setOption(easy, CURLOPT_WRITEDATA, static_cast<void*>(this));
    setMethodAndBody(request);
    setHeaders(request);
    setConnection(configuration, limits);
}

void CurlTransfer::setMethodAndBody(const MutableUrlRequest& request) {
    CURL* easy = easy_.get();
    const std::string& method = request.httpMethod();
    const bool hasBody = request.httpBody().has_value();
    if (hasBody) {
        body_ = *request.httpBody();
    }
    if (method == "HEAD") {
        // An answer to HEAD has no body to wait for, and a HEAD request carries none.
        setOption(easy, CURLOPT_NOBODY, 1L);
        return;
    }
    if (method == "GET" && !hasBody) {
        setOption(easy, CURLOPT_HTTPGET, 1L);
        return;
    }
    // POST goes through curl's own POST so that redirects treat it as the platform does (a 303
    // turns it into a GET); every other method text is sent exactly as written.
    if (method == "POST") {
        setOption(easy, CURLOPT_POST, 1L);
    } else {
        setOption(easy, CURLOPT_CUSTOMREQUEST, method.c_str());
    }
    if (hasBody || method == "POST") {
        setOption(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body_.size()));
        setOption(easy, CURLOPT_POSTFIELDS, body_.data());
    }
}

void CurlTransfer::setHeaders(const MutableUrlRequest& request) {
    for (const auto& [field, value] : request.allHttpHeaderFields()) {
        const std::string_view trimmed = trimOptionalWhiteSpace(value);
        // "Name:" with nothing after it would make curl drop the header; "Name;" sends it empty.
        const std::string line =
            trimmed.empty() ? field + ";" : field + ": " + std::string(trimmed);
        headers_.append(line.c_str());
    }
    // curl would otherwise add these on its own: a request carries the headers set and what HTTP
    // needs (Host, Content-Length), plus curl's "Accept: */*", as the platform's stack sends one.
    if (!hasField(request, "Expect")) {
        headers_.append("Expect:");
    }
    if (!hasField(request, "Content-Type")) {
        headers_.append("Content-Type:");
    }
    setOption(easy_.get(), CURLOPT_HTTPHEADER, headers_.get());
}

void CurlTransfer::setConnection(const SessionConfiguration& configuration,
                                 const TransferLimits& limits) {
    CURL* easy = easy_.get();
    // HTTP/1.1 with keep-alive; the multi handle's connection cache reuses connections between
    // transfers whose settings below agree.
    setOption(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    setOption(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    setOption(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!configuration.caFile.empty()) {
        setOption(easy, CURLOPT_CAINFO, configuration.caFile.c_str());
    }
    for (const std::string& rule : configuration.connectTo) {
        connectTo_.append(rule.c_str());
    }
    setOption(easy, CURLOPT_CONNECT_TO, connectTo_.get());
    setOption(easy, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.connectTimeout.count()));
    setOption(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    setOption(easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallTimeout.count()));
}

std::size_t CurlTransfer::collect(char* bytes, std::size_t size, std::size_t count, void* self) {
    const std::size_t length = size * count;
    try {
        static_cast<CurlTransfer*>(self)->received_.append(bytes, length);
    } catch (...) {
        return 0;  // curl then fails the transfer with a write error
    }
    return length;
}

DataTaskOutcome CurlTransfer::takeOutcome(CURLcode result) {
    if (result != CURLE_OK) {
        std::string detail(errorBuffer_.data());
        while (!detail.empty() && (detail.back() == '\n' || detail.back() == ' ')) {
            detail.pop_back();
        }
        return DataTaskOutcome::failure(detail.empty() ? curl_easy_strerror(result) : detail);
    }
    long status = 0;
    curl_easy_getinfo(easy_.get(), CURLINFO_RESPONSE_CODE, &status);
    return DataTaskOutcome{std::move(received_), std::make_shared<HttpUrlResponse>(status),
                           std::nullopt};
}

}  // namespace zolsolutions::platform
