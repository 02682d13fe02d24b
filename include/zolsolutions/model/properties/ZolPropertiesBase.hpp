#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "zolsolutions/model/properties/ZolNotInitializedError.hpp"

namespace zolsolutions {

/// Text pairs in the order the host gave them; that order is kept on the wire.
using ZolRequestParams = std::vector<std::pair<std::string, std::string>>;

class ZolAPIResponseProperties;
class ZolAppIdentifiedProperties;
class ZolDefaultProperties;
class ZolDeviceDataProperties;
class ZolDeviceIdentifiedProperties;
class ZolErrorProperties;
class ZolMemoryInfoProperties;
class ZolPermissionProperties;
class ZolSDKConfigurationProperties;
class ZolSDKResultProperties;

/// The property record an analytics event carries: one of exactly ten final types.
///
/// A record stores what it was built with and nothing else. `platform`, `clientId` and
/// `personId` are read from the newest tracker's identity at each call, `timestamp` from the
/// clock; they throw ZolNotInitializedError while no tracker has been constructed. Records are
/// immutable and may be shared between threads.
///
/// The family is closed: every constructor of this base is private and only the ten records are
/// friends, so a type outside the library cannot be built on it.
class ZolPropertiesBase {
  public:
    virtual ~ZolPropertiesBase() = default;
    ZolPropertiesBase& operator=(const ZolPropertiesBase&) = delete;

    std::string platform() const;
    std::string clientId() const;
    std::string personId() const;
    /// The current time, "2024-05-06T07:08:09.010Z" (no fraction on a whole second).
    std::string timestamp() const;

    const std::optional<ZolRequestParams>& requestParams() const noexcept { return requestParams_; }
    const std::optional<std::string>& requestBody() const noexcept { return requestBody_; }

    /// The object sent as an event's "properties": platform, clientId, personId and timestamp
    /// (read once, together, now), then the record's own members in order; absent optional
    /// members are left out.
    nlohmann::ordered_json toJsonElement() const;

    /// "model.properties.ZolErrorProperties" and the like.
    virtual std::string_view serialName() const noexcept = 0;
    virtual std::string toString() const = 0;
    /// Value records: same type and equal stored members. ZolDefaultProperties: identity.
    virtual bool equals(const ZolPropertiesBase& other) const = 0;
    virtual std::int32_t hashCode() const = 0;

    friend bool operator==(const ZolPropertiesBase& a, const ZolPropertiesBase& b) {
        return a.equals(b);
    }
    friend std::ostream& operator<<(std::ostream& out, const ZolPropertiesBase& record) {
        return out << record.toString();
    }

  private:
    friend class ZolAPIResponseProperties;
    friend class ZolAppIdentifiedProperties;
    friend class ZolDefaultProperties;
    friend class ZolDeviceDataProperties;
    friend class ZolDeviceIdentifiedProperties;
    friend class ZolErrorProperties;
    friend class ZolMemoryInfoProperties;
    friend class ZolPermissionProperties;
    friend class ZolSDKConfigurationProperties;
    friend class ZolSDKResultProperties;

    // A key given twice in requestParams keeps its first position and its last value, as
    // putting the pairs into an insertion-ordered map would.
    ZolPropertiesBase(std::optional<ZolRequestParams> requestParams,
                      std::optional<std::string> requestBody);
    ZolPropertiesBase(const ZolPropertiesBase&) = default;
    ZolPropertiesBase(ZolPropertiesBase&&) = default;

    // Helpers the value records share: the optional members close every printed form, join
    // every equality and end every hash.
    bool sameOptionalMembers(const ZolPropertiesBase& other) const;
    std::int32_t hashWithOptionalMembers(std::int32_t ownMembersHash) const;
    std::string printedOptionalMembers() const;

    std::optional<ZolRequestParams> requestParams_;
    std::optional<std::string> requestBody_;
};

}  // namespace zolsolutions
