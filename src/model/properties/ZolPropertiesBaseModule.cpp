#include "model/properties/ZolPropertiesBaseModule.hpp"

#include <utility>

#include "zolsolutions/model/properties/ZolNotInitializedError.hpp"

namespace zolsolutions::detail {

ZolPropertiesBaseModule& ZolPropertiesBaseModule::instance() {
    static ZolPropertiesBaseModule& module = *new ZolPropertiesBaseModule;
    return module;
}

void ZolPropertiesBaseModule::update(std::string platform, std::string clientId,
                                     std::string personId) {
    auto next = std::make_shared<const Identity>(
        Identity{std::move(platform), std::move(clientId), std::move(personId)});
    std::shared_ptr<const Identity> previous;
    {
        std::lock_guard lock(mutex_);
        previous = std::exchange(identity_, std::move(next));
    }
    // `previous` may be the last owner; it is released here, outside the lock.
}

std::shared_ptr<const ZolPropertiesBaseModule::Identity> ZolPropertiesBaseModule::current(
    const char* field) const {
    std::shared_ptr<const Identity> identity;
    {
        std::lock_guard lock(mutex_);
        identity = identity_;
    }
    if (!identity) {
        throw ZolNotInitializedError(field);
    }
    return identity;
}

std::string ZolPropertiesBaseModule::platform() const {
    return current("platform")->platform;
}

std::string ZolPropertiesBaseModule::clientId() const {
    return current("clientId")->clientId;
}

std::string ZolPropertiesBaseModule::personId() const {
    return current("personId")->personId;
}

std::shared_ptr<const ZolPropertiesBaseModule::Identity> ZolPropertiesBaseModule::snapshot() const {
    return current("platform");
}

void ZolPropertiesBaseModule::resetForTesting() {
    std::shared_ptr<const Identity> previous;
    std::lock_guard lock(mutex_);
    previous = std::exchange(identity_, nullptr);
}

}  // namespace zolsolutions::detail
