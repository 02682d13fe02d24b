#include "RawCurlPoster.hpp"

#include <stdexcept>

namespace zolbench {

namespace {

template <typename Value>
void setOption(CURL* easy, CURLoption option, Value value) {
    const CURLcode code = curl_easy_setopt(easy, option, value);
    if (code != CURLE_OK) {
        throw std::runtime_error(std::string("curl refused a setting: ") +
                                 curl_easy_strerror(code));
    }
}

std::size_t collect(char* bytes, std::size_t size, std::size_t count, void* sink) {
    static_cast<std::string*>(sink)->append(bytes, size * count);
    return size * count;
}

}  // namespace

RawCurlPoster::RawCurlPoster(const std::string& url, const std::vector<std::string>& headers,
                             const std::vector<std::string>& connectTo, const std::string& caFile)
    : easy_(curl_easy_init()) {
    if (!easy_) {
        throw std::runtime_error("curl gave no easy handle");
    }
    CURL* easy = easy_.get();
    for (const std::string& line : headers) {
        headers_.append(line.c_str());
    }
    // The tracker's requests carry no "Expect: 100-continue" either; without this line curl
    // would wait for a 100 answer on larger bodies.
    headers_.append("Expect:");
    for (const std::string& rule : connectTo) {
        connectTo_.append(rule.c_str());
    }
    setOption(easy, CURLOPT_ERRORBUFFER, error_.data());
    setOption(easy, CURLOPT_NOSIGNAL, 1L);
    setOption(easy, CURLOPT_URL, url.c_str());
    setOption(easy, CURLOPT_POST, 1L);
    setOption(easy, CURLOPT_HTTPHEADER, headers_.get());
    setOption(easy, CURLOPT_CONNECT_TO, connectTo_.get());
    setOption(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    setOption(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    setOption(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    setOption(easy, CURLOPT_CAINFO, caFile.c_str());
    setOption(easy, CURLOPT_WRITEFUNCTION, &collect);
    setOption(easy, CURLOPT_WRITEDATA, static_cast<void*>(&received_));
}

void RawCurlPoster::post(const std::string& body) {
    CURL* easy = easy_.get();
    received_.clear();
    setOption(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    setOption(easy, CURLOPT_POSTFIELDS, body.data());
    const CURLcode result = curl_easy_perform(easy);
    if (result != CURLE_OK) {
        throw std::runtime_error(std::string("raw post failed: ") +
                                 (error_[0] != '\0' ? error_.data() : curl_easy_strerror(result)));
    }
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        throw std::runtime_error("raw post answered with status " + std::to_string(status));
    }
}

}  // namespace zolbench
