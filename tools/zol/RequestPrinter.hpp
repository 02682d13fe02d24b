#pragma once
// A request as the stand-in received it, laid out for a reader: a numbered request line with the
// URL the client asked for, every header in wire order with credentials masked, and the body,
// pretty-printed when it is JSON.

#include <cstddef>
#include <mutex>
#include <string>

#include "standin/RecordedRequest.hpp"
#include "zol/Console.hpp"

namespace zolsolutions::tool {

/// "#3 POST https://HOST/v1/track" and the rest, ending in a blank line. The "Authorization" and
/// "Proxy-Authorization" values are masked; bytes that could steer a terminal are escaped.
std::string formatRequest(std::size_t number, const standin::RecordedRequest& request,
                          const TerminalStyle& style);

/// The body as the reader should see it: JSON indented by two spaces, anything else as it came.
std::string formatBody(const std::string& body);

/// Prints each request handed to it, numbered from 1 in arrival order. Thread-safe: meant to be
/// the stand-in's request observer, which runs on its connection threads.
class RequestPrinter {
  public:
    explicit RequestPrinter(Console& console) : console_(console) {}

    void print(const standin::RecordedRequest& request);
    std::size_t printed() const;

  private:
    Console& console_;
    mutable std::mutex mutex_;  // numbers and prints together, so the numbers appear in order
    std::size_t printed_ = 0;
};

}  // namespace zolsolutions::tool
