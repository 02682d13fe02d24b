#pragma once
// A URL that has been checked to be one: it has a scheme and a host.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zolsolutions::platform {

class Url {
  public:
    /// No object when `text` is not a URL: no scheme (nothing is guessed), no host, spaces or
    /// control characters, a bad port, or an embedded NUL. Any scheme of the right shape is a
    /// URL; whether it can be fetched is decided when a request for it runs.
    static std::optional<Url> fromString(std::string_view text);

    /// The text exactly as given; nothing is normalised or escaped.
    const std::string& text() const noexcept { return text_; }

  private:
    explicit Url(std::string text) : text_(std::move(text)) {}

    std::string text_;
};

}  // namespace zolsolutions::platform
