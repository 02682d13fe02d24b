// A host that only includes the umbrella header and links the package.
#include <zolsolutions/ZolSolutions.hpp>

#include <cstdio>

int main() {
    zolsolutions::ZolTracker tracker("session-1", zolsolutions::ZolPlatform::NATIVE_IOS, "client-1",
                                     "person-1");
    auto properties = std::make_shared<zolsolutions::ZolErrorProperties>("E1", "none");
    std::printf("consumer ok: %s %s\n", properties->toString().c_str(),
                zolsolutions::eventName(zolsolutions::ZolEvent::SDK_RESULT).c_str());
    return 0;
}
