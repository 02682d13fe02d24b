// The enumerator constants of the C header, written by hand, against the C++ enumerations: same
// count, same ordinals, constant names built from the host-facing names, and the same texts from
// the C functions as from the C++ ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cabi/CTexts.hpp"
#include "zolsolutions/ZolSolutions.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using zoltest::taken;

struct Constant {
    std::int32_t value;
    std::string_view spelling;  // the constant's name as the header spells it
};

#define ZOL_CONSTANT(name) \
    Constant {             \
        name, #name        \
    }

const std::vector<Constant> kZolEventConstants{
    ZOL_CONSTANT(ZolSolutionsZolEvent_identify),
    ZOL_CONSTANT(ZolSolutionsZolEvent_startSdk),
    ZOL_CONSTANT(ZolSolutionsZolEvent_cameraPermissionRequested),
    ZOL_CONSTANT(ZolSolutionsZolEvent_cameraPermissionGranted),
    ZOL_CONSTANT(ZolSolutionsZolEvent_cameraPermissionDenied),
    ZOL_CONSTANT(ZolSolutionsZolEvent_previewScreenRetryClicked),
    ZOL_CONSTANT(ZolSolutionsZolEvent_previewAccepted),
    ZOL_CONSTANT(ZolSolutionsZolEvent_firstOpen),
    ZOL_CONSTANT(ZolSolutionsZolEvent_permissionRequested),
    ZOL_CONSTANT(ZolSolutionsZolEvent_permissionGranted),
    ZOL_CONSTANT(ZolSolutionsZolEvent_permissionDenied),
    ZOL_CONSTANT(ZolSolutionsZolEvent_captureScreenOpened),
    ZOL_CONSTANT(ZolSolutionsZolEvent_documentFrontCaptureStarted),
    ZOL_CONSTANT(ZolSolutionsZolEvent_documentBackCaptureStarted),
    ZOL_CONSTANT(ZolSolutionsZolEvent_documentCapturedValidated),
    ZOL_CONSTANT(ZolSolutionsZolEvent_sdkResult),
    ZOL_CONSTANT(ZolSolutionsZolEvent_sdkClosed),
    ZOL_CONSTANT(ZolSolutionsZolEvent_sdkConfiguration),
    ZOL_CONSTANT(ZolSolutionsZolEvent_appIdentified),
    ZOL_CONSTANT(ZolSolutionsZolEvent_deviceIdentified),
    ZOL_CONSTANT(ZolSolutionsZolEvent_deviceData),
    ZOL_CONSTANT(ZolSolutionsZolEvent_captureRequested),
    ZOL_CONSTANT(ZolSolutionsZolEvent_captureTaken),
    ZOL_CONSTANT(ZolSolutionsZolEvent_captureInvalid),
    ZOL_CONSTANT(ZolSolutionsZolEvent_captureFinished),
    ZOL_CONSTANT(ZolSolutionsZolEvent_qualityVerified),
    ZOL_CONSTANT(ZolSolutionsZolEvent_memoryInfo),
    ZOL_CONSTANT(ZolSolutionsZolEvent_documentValidated),
    ZOL_CONSTANT(ZolSolutionsZolEvent_documentCaptureCompleted),
    ZOL_CONSTANT(ZolSolutionsZolEvent_previewScreenOpened),
    ZOL_CONSTANT(ZolSolutionsZolEvent_attestationRouteCalled),
    ZOL_CONSTANT(ZolSolutionsZolEvent_uploadRouteCalled),
    ZOL_CONSTANT(ZolSolutionsZolEvent_validationRouteCalled),
    ZOL_CONSTANT(ZolSolutionsZolEvent_imageUploadLinksRouteCalled),
    ZOL_CONSTANT(ZolSolutionsZolEvent_apiResponse),
    ZOL_CONSTANT(ZolSolutionsZolEvent_internalError),
    ZOL_CONSTANT(ZolSolutionsZolEvent_serverDownError),
    ZOL_CONSTANT(ZolSolutionsZolEvent_networkError),
    ZOL_CONSTANT(ZolSolutionsZolEvent_serverError),
    ZOL_CONSTANT(ZolSolutionsZolEvent_providerInstallationError),
    ZOL_CONSTANT(ZolSolutionsZolEvent_securityError),
    ZOL_CONSTANT(ZolSolutionsZolEvent_crash),
};

const std::vector<Constant> kZolEventTypeConstants{
    ZOL_CONSTANT(ZolSolutionsZolEventType_userInteraction),
    ZOL_CONSTANT(ZolSolutionsZolEventType_apiCall),
    ZOL_CONSTANT(ZolSolutionsZolEventType_sdkStep),
    ZOL_CONSTANT(ZolSolutionsZolEventType_sdkFlow),
    ZOL_CONSTANT(ZolSolutionsZolEventType_sdkError),
    ZOL_CONSTANT(ZolSolutionsZolEventType_identify),
    ZOL_CONSTANT(ZolSolutionsZolEventType_deviceInfo),
    ZOL_CONSTANT(ZolSolutionsZolEventType_crash),
};

const std::vector<Constant> kZolPlatformConstants{
    ZOL_CONSTANT(ZolSolutionsZolPlatform_nativeAndroid),
    ZOL_CONSTANT(ZolSolutionsZolPlatform_nativeIos),
    ZOL_CONSTANT(ZolSolutionsZolPlatform_flutterAndroid),
    ZOL_CONSTANT(ZolSolutionsZolPlatform_flutterIos),
    ZOL_CONSTANT(ZolSolutionsZolPlatform_reactNativeAndroid),
    ZOL_CONSTANT(ZolSolutionsZolPlatform_reactNativeIos),
};

const std::vector<Constant> kZolFeatureToggleEventConstants{
    ZOL_CONSTANT(ZolSolutionsZolFeatureToggleEvent_crashlytics),
    ZOL_CONSTANT(ZolSolutionsZolFeatureToggleEvent_analytics),
};

#undef ZOL_CONSTANT

template <Enumeration E>
void expectConstantsMatch(const std::vector<Constant>& constants, std::string_view prefix) {
    ASSERT_EQ(constants.size(), enumeratorCount<E>()) << prefix << ": an enumerator is missing";
    for (std::size_t i = 0; i < constants.size(); ++i) {
        const Constant& constant = constants[i];
        SCOPED_TRACE(std::string(constant.spelling));
        EXPECT_EQ(constant.value, static_cast<std::int32_t>(i)) << "declaration order";
        ASSERT_TRUE(isEnumerator<E>(constant.value));
        const E enumerator = static_cast<E>(constant.value);
        EXPECT_EQ(constant.spelling, std::string(prefix) + "_" + hostFacingName(enumerator));
    }
}

template <typename CValue>
std::vector<CValue> valuesOf(size_t (*values)(CValue*, size_t)) {
    std::vector<CValue> all(values(nullptr, 0));
    EXPECT_EQ(values(all.data(), all.size()), all.size());
    return all;
}

TEST(EnumerationConstants, ZolEventMatchesTheCatalogue) {
    expectConstantsMatch<ZolEvent>(kZolEventConstants, "ZolSolutionsZolEvent");
    for (const ZolEvent event : entries<ZolEvent>()) {
        EXPECT_EQ(taken(ZolSolutionsZolEvent_name(ordinal(event))), name(event));
        EXPECT_EQ(taken(ZolSolutionsZolEvent_eventName(ordinal(event))), eventName(event));
    }
    EXPECT_EQ(valuesOf(ZolSolutionsZolEvent_values).size(), enumeratorCount<ZolEvent>());
}

TEST(EnumerationConstants, ZolEventTypeMatchesTheCatalogue) {
    expectConstantsMatch<ZolEventType>(kZolEventTypeConstants, "ZolSolutionsZolEventType");
    for (const ZolEventType type : entries<ZolEventType>()) {
        EXPECT_EQ(taken(ZolSolutionsZolEventType_name(ordinal(type))), name(type));
        EXPECT_EQ(taken(ZolSolutionsZolEventType_eventTypeName(ordinal(type))),
                  eventTypeName(type));
    }
    EXPECT_EQ(valuesOf(ZolSolutionsZolEventType_values).size(), enumeratorCount<ZolEventType>());
}

TEST(EnumerationConstants, ZolPlatformMatchesTheHostPlatforms) {
    expectConstantsMatch<ZolPlatform>(kZolPlatformConstants, "ZolSolutionsZolPlatform");
    for (const ZolPlatform platform : entries<ZolPlatform>()) {
        EXPECT_EQ(taken(ZolSolutionsZolPlatform_name(ordinal(platform))), name(platform));
        EXPECT_EQ(taken(ZolSolutionsZolPlatform_platformName(ordinal(platform))),
                  platformName(platform));
    }
    EXPECT_EQ(valuesOf(ZolSolutionsZolPlatform_values).size(), enumeratorCount<ZolPlatform>());
}

TEST(EnumerationConstants, ZolFeatureToggleEventMatchesTheSwitches) {
    expectConstantsMatch<ZolFeatureToggleEvent>(kZolFeatureToggleEventConstants,
                                                "ZolSolutionsZolFeatureToggleEvent");
    for (const ZolFeatureToggleEvent toggle : entries<ZolFeatureToggleEvent>()) {
        EXPECT_EQ(taken(ZolSolutionsZolFeatureToggleEvent_name(ordinal(toggle))), name(toggle));
        EXPECT_EQ(taken(ZolSolutionsZolFeatureToggleEvent_featureName(ordinal(toggle))),
                  featureName(toggle));
    }
}

TEST(EnumerationConstants, ValuesWritesNoMoreThanTheCapacity) {
    std::vector<ZolSolutionsZolPlatform> some(3, -1);
    EXPECT_EQ(ZolSolutionsZolPlatform_values(some.data(), 2), 6u);
    EXPECT_EQ(some, (std::vector<ZolSolutionsZolPlatform>{0, 1, -1}));
    EXPECT_EQ(ZolSolutionsZolPlatform_values(nullptr, 1), 0u);
    EXPECT_NE(ZolSolutions_lastError(), nullptr);
}

TEST(EnumerationConstants, ValuesOutsideAnEnumerationAreRefusedWithAMessage) {
    struct Case {
        const char* what;
        char* (*text)(std::int32_t);
        std::int32_t value;
    };
    const std::vector<Case> cases{
        {"event past the end", ZolSolutionsZolEvent_eventName, 42},
        {"negative event", ZolSolutionsZolEvent_name, -1},
        {"event type past the end", ZolSolutionsZolEventType_eventTypeName, 8},
        {"platform past the end", ZolSolutionsZolPlatform_platformName, 6},
        {"huge platform", ZolSolutionsZolPlatform_name, INT32_MAX},
        {"toggle past the end", ZolSolutionsZolFeatureToggleEvent_featureName, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.text(c.value), nullptr);
        ASSERT_NE(ZolSolutions_lastError(), nullptr);
        EXPECT_NE(std::string(ZolSolutions_lastError()).find(std::to_string(c.value)),
                  std::string::npos)
            << ZolSolutions_lastError();
    }
}

}  // namespace
