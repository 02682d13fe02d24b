#pragma once
#include <stdexcept>
#include <string>
#include <utility>

namespace zolsolutions {

/// Raised when a property record's platform, client id or person id is read (directly or by
/// rendering the record) before any ZolTracker has been constructed in the process. The identity
/// comes from the newest tracker, so there is nothing to report until one exists.
class ZolNotInitializedError : public std::logic_error {
  public:
    explicit ZolNotInitializedError(std::string field)
        : std::logic_error("The identity member '" + field +
                           "' has not been initialised: construct a ZolTracker first"),
          field_(std::move(field)) {}

    /// "platform", "clientId" or "personId".
    const std::string& field() const noexcept { return field_; }

  private:
    std::string field_;
};

}  // namespace zolsolutions
