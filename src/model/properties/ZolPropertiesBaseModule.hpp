#pragma once
#include <memory>
#include <mutex>
#include <string>

namespace zolsolutions::detail {

/// The process-wide identity that every property record reports: the platform name, client id
/// and person id of the most recently constructed tracker.
///
/// The three members are one immutable snapshot, replaced as a whole, so a reader on any thread
/// sees one tracker's complete identity, never a mix of two trackers built at the same time.
/// Created on first use and never destroyed (it may be read while the process exits).
class ZolPropertiesBaseModule {
  public:
    struct Identity {
        std::string platform;
        std::string clientId;
        std::string personId;
    };

    static ZolPropertiesBaseModule& instance();

    /// Replaces all three members at once. Called by every tracker construction.
    void update(std::string platform, std::string clientId, std::string personId);

    /// Each throws ZolNotInitializedError naming its member while no tracker was constructed.
    std::string platform() const;
    std::string clientId() const;
    std::string personId() const;

    /// The current identity, for readers that need the three members to agree (a rendering).
    /// Throws ZolNotInitializedError naming "platform" while no tracker was constructed.
    std::shared_ptr<const Identity> snapshot() const;

    /// Back to "no tracker constructed yet". Only tests may call this: the library itself
    /// never clears the identity.
    void resetForTesting();

  private:
    ZolPropertiesBaseModule() = default;

    std::shared_ptr<const Identity> current(const char* field) const;

    mutable std::mutex mutex_;
    std::shared_ptr<const Identity> identity_;
};

}  // namespace zolsolutions::detail
