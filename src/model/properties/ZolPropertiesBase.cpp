#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/properties/ZolPropertiesBaseModule.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "util/ZolClock.hpp"
#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

namespace {

// requestParams is a map handed over as pairs: a key given twice keeps its first position and
// its last value, as putting the pairs into an insertion-ordered map would. Normalising once
// here keeps equality, hash, printed form and wire form telling the same story.
std::optional<ZolRequestParams> asMap(std::optional<ZolRequestParams> pairs) {
    if (!pairs || pairs->size() < 2) {
        return pairs;
    }
    std::unordered_map<std::string_view, std::size_t> slotOfKey;
    std::vector<std::size_t> keyAt;    // per distinct key: the pair that gives its position
    std::vector<std::size_t> valueAt;  // per distinct key: the pair that gives its value
    for (std::size_t i = 0; i < pairs->size(); ++i) {
        const auto [slot, isNew] = slotOfKey.try_emplace((*pairs)[i].first, keyAt.size());
        if (isNew) {
            keyAt.push_back(i);
            valueAt.push_back(i);
        } else {
            valueAt[slot->second] = i;
        }
    }
    if (keyAt.size() == pairs->size()) {
        return pairs;
    }
    ZolRequestParams map;
    map.reserve(keyAt.size());
    for (std::size_t slot = 0; slot < keyAt.size(); ++slot) {
        map.emplace_back(std::move((*pairs)[keyAt[slot]].first),
                         std::move((*pairs)[valueAt[slot]].second));
    }
    return map;
}

bool sameMap(const std::optional<ZolRequestParams>& a, const std::optional<ZolRequestParams>& b) {
    if (!a || !b) {
        return !a && !b;
    }
    if (a->size() != b->size()) {
        return false;
    }
    std::unordered_map<std::string_view, std::string_view> entries(a->begin(), a->end());
    for (const auto& [key, value] : *b) {
        const auto found = entries.find(key);
        if (found == entries.end() || found->second != value) {
            return false;
        }
    }
    return true;
}

}  // namespace

ZolPropertiesBase::ZolPropertiesBase(std::optional<ZolRequestParams> requestParams,
                                     std::optional<std::string> requestBody)
    : requestParams_(asMap(std::move(requestParams))), requestBody_(std::move(requestBody)) {}

std::string ZolPropertiesBase::platform() const {
    return detail::ZolPropertiesBaseModule::instance().platform();
}

std::string ZolPropertiesBase::clientId() const {
    return detail::ZolPropertiesBaseModule::instance().clientId();
}

std::string ZolPropertiesBase::personId() const {
    return detail::ZolPropertiesBaseModule::instance().personId();
}

std::string ZolPropertiesBase::timestamp() const {
    return detail::formatTimestamp(detail::nowSecondsSince1970());
}

nlohmann::ordered_json ZolPropertiesBase::toJsonElement() const {
    // Built directly rather than written as text with "type" and parsed back: the object is the
    // same, member for member, without the round trip.
    return detail::ZolSerializerModule::module().serializerFor(*this).serialize(*this);
}

bool ZolPropertiesBase::sameOptionalMembers(const ZolPropertiesBase& other) const {
    return requestBody_ == other.requestBody_ && sameMap(requestParams_, other.requestParams_);
}

std::int32_t ZolPropertiesBase::hashWithOptionalMembers(std::int32_t ownMembersHash) const {
    const std::int32_t paramsHash = requestParams_ ? detail::textMapHash(*requestParams_) : 0;
    const std::int32_t withParams = detail::combineHash(ownMembersHash, paramsHash);
    return detail::combineHash(withParams, detail::optionalTextHash(requestBody_));
}

std::string ZolPropertiesBase::printedOptionalMembers() const {
    return ", requestParams=" + detail::printedPairs(requestParams_) +
           ", requestBody=" + detail::printedText(requestBody_) + ")";
}

}  // namespace zolsolutions
