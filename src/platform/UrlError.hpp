#pragma once
// A transport failure reported to a data task's completion handler.

#include <string>

namespace zolsolutions::platform {

class UrlError {
  public:
    /// An empty description becomes a generic one: the description is never empty.
    explicit UrlError(std::string localizedDescription);

    /// Says what failed, for a person to read ("Could not resolve host: firestore.googleapis.com").
    const std::string& localizedDescription() const noexcept { return description_; }

  private:
    std::string description_;
};

}  // namespace zolsolutions::platform
