#pragma once
// Owning holders for every libcurl object, so that no handle is ever freed by hand. All are
// move-only; a holder frees its object in its destructor.

#include <curl/curl.h>

#include <memory>
#include <new>

namespace zolsolutions::platform {

struct CurlEasyDeleter {
    void operator()(CURL* easy) const noexcept { curl_easy_cleanup(easy); }
};
struct CurlMultiDeleter {
    void operator()(CURLM* multi) const noexcept { curl_multi_cleanup(multi); }
};
struct CurlUrlDeleter {
    void operator()(CURLU* url) const noexcept { curl_url_cleanup(url); }
};
struct CurlSlistDeleter {
    void operator()(curl_slist* list) const noexcept { curl_slist_free_all(list); }
};
/// For the strings that curl_url_get hands out.
struct CurlStringDeleter {
    void operator()(char* text) const noexcept { curl_free(text); }
};

using CurlEasyHandle = std::unique_ptr<CURL, CurlEasyDeleter>;
using CurlMultiHandle = std::unique_ptr<CURLM, CurlMultiDeleter>;
using CurlUrlHandle = std::unique_ptr<CURLU, CurlUrlDeleter>;
using CurlString = std::unique_ptr<char, CurlStringDeleter>;

/// A curl_slist that grows one line at a time. The list head moves when the first line is added,
/// which is why this is a class and not a bare unique_ptr.
class CurlStringList {
  public:
    CurlStringList() = default;

    /// Copies `line` into the list; throws std::bad_alloc when curl cannot.
    void append(const char* line) {
        curl_slist* grown = curl_slist_append(list_.get(), line);
        if (grown == nullptr) {
            throw std::bad_alloc();
        }
        // `grown` is the old head when there was one, so the old holder must let go, not free.
        static_cast<void>(list_.release());
        list_.reset(grown);
    }

    /// Null while empty, which is what curl expects for "no list".
    curl_slist* get() const noexcept { return list_.get(); }

  private:
    std::unique_ptr<curl_slist, CurlSlistDeleter> list_;
};

}  // namespace zolsolutions::platform
