// The catalogue checked against tables written out here, not against the code's own tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/enums/ZolEventType.hpp"
#include "zolsolutions/model/enums/ZolPlatform.hpp"

namespace {

using namespace zolsolutions;

struct EventRow {
    std::string name;
    std::string wireName;
    std::string typeName;
    std::string hostFacingName;
};

const std::vector<EventRow> kEvents = {
    {"IDENTIFY", "identify", "IDENTIFY", "identify"},
    {"START_SDK", "start_sdk", "USER_INTERACTION", "startSdk"},
    {"CAMERA_PERMISSION_REQUESTED", "camera_permission_requested", "USER_INTERACTION",
     "cameraPermissionRequested"},
    {"CAMERA_PERMISSION_GRANTED", "camera_permission_granted", "USER_INTERACTION",
     "cameraPermissionGranted"},
    {"CAMERA_PERMISSION_DENIED", "camera_permission_denied", "USER_INTERACTION",
     "cameraPermissionDenied"},
    {"PREVIEW_SCREEN_RETRY_CLICKED", "preview_screen_retry_clicked", "USER_INTERACTION",
     "previewScreenRetryClicked"},
    {"PREVIEW_ACCEPTED", "preview_accepted", "USER_INTERACTION", "previewAccepted"},
    {"FIRST_OPEN", "first_open", "USER_INTERACTION", "firstOpen"},
    {"PERMISSION_REQUESTED", "permission_requested", "USER_INTERACTION", "permissionRequested"},
    {"PERMISSION_GRANTED", "permission_granted", "USER_INTERACTION", "permissionGranted"},
    {"PERMISSION_DENIED", "permission_denied", "USER_INTERACTION", "permissionDenied"},
    {"CAPTURE_SCREEN_OPENED", "capture_screen_opened", "SDK_STEP", "captureScreenOpened"},
    {"DOCUMENT_FRONT_CAPTURE_STARTED", "document_front_capture_started", "SDK_STEP",
     "documentFrontCaptureStarted"},
    {"DOCUMENT_BACK_CAPTURE_STARTED", "document_back_capture_started", "SDK_STEP",
     "documentBackCaptureStarted"},
    {"DOCUMENT_CAPTURED_VALIDATED", "document_captured_validated", "SDK_STEP",
     "documentCapturedValidated"},
    {"SDK_RESULT", "sdk_result", "SDK_STEP", "sdkResult"},
    {"SDK_CLOSED", "sdk_closed", "SDK_STEP", "sdkClosed"},
    {"SDK_CONFIGURATION", "sdk_configuration", "SDK_STEP", "sdkConfiguration"},
    {"APP_IDENTIFIED", "app_identified", "SDK_STEP", "appIdentified"},
    {"DEVICE_IDENTIFIED", "device_identified", "SDK_STEP", "deviceIdentified"},
    {"DEVICE_DATA", "device_data", "SDK_STEP", "deviceData"},
    {"CAPTURE_REQUESTED", "capture_requested", "SDK_STEP", "captureRequested"},
    {"CAPTURE_TAKEN", "capture_taken", "SDK_STEP", "captureTaken"},
    {"CAPTURE_INVALID", "capture_invalid", "SDK_STEP", "captureInvalid"},
    {"CAPTURE_FINISHED", "capture_finished", "SDK_STEP", "captureFinished"},
    {"QUALITY_VERIFIED", "quality_verified", "SDK_STEP", "qualityVerified"},
    {"MEMORY_INFO", "memory_info", "DEVICE_INFO", "memoryInfo"},
    {"DOCUMENT_VALIDATED", "document_validated", "SDK_FLOW", "documentValidated"},
    {"DOCUMENT_CAPTURE_COMPLETED", "document_capture_completed", "SDK_FLOW",
     "documentCaptureCompleted"},
    {"PREVIEW_SCREEN_OPENED", "preview_screen_opened", "SDK_FLOW", "previewScreenOpened"},
    {"ATTESTATION_ROUTE_CALLED", "attestation_route_called", "API_CALL", "attestationRouteCalled"},
    {"UPLOAD_ROUTE_CALLED", "upload_route_called", "API_CALL", "uploadRouteCalled"},
    {"VALIDATION_ROUTE_CALLED", "validation_route_called", "API_CALL", "validationRouteCalled"},
    {"IMAGE_UPLOAD_LINKS_ROUTE_CALLED", "image_upload_links_route_called", "API_CALL",
     "imageUploadLinksRouteCalled"},
    {"API_RESPONSE", "api_response", "API_CALL", "apiResponse"},
    {"INTERNAL_ERROR", "internal_error", "SDK_ERROR", "internalError"},
    {"SERVER_DOWN_ERROR", "server_down_error", "SDK_ERROR", "serverDownError"},
    {"NETWORK_ERROR", "network_error", "SDK_ERROR", "networkError"},
    {"SERVER_ERROR", "server_error", "SDK_ERROR", "serverError"},
    {"PROVIDER_INSTALLATION_ERROR", "provider_installation_error", "SDK_ERROR",
     "providerInstallationError"},
    {"SECURITY_ERROR", "security_error", "SDK_ERROR", "securityError"},
    {"CRASH", "crash", "CRASH", "crash"},
};

struct NamedRow {
    std::string name;
    std::string wireName;
    std::string hostFacingName;
};

const std::vector<NamedRow> kEventTypes = {
    {"USER_INTERACTION", "user_interaction", "userInteraction"},
    {"API_CALL", "api_call", "apiCall"},
    {"SDK_STEP", "sdk_step", "sdkStep"},
    {"SDK_FLOW", "sdk_flow", "sdkFlow"},
    {"SDK_ERROR", "sdk_error", "sdkError"},
    {"IDENTIFY", "identify", "identify"},
    {"DEVICE_INFO", "device_info", "deviceInfo"},
    {"CRASH", "crash", "crash"},
};

const std::vector<NamedRow> kPlatforms = {
    {"NATIVE_ANDROID", "native_android", "nativeAndroid"},
    {"NATIVE_IOS", "native_ios", "nativeIos"},
    {"FLUTTER_ANDROID", "flutter_android", "flutterAndroid"},
    {"FLUTTER_IOS", "flutter_ios", "flutterIos"},
    {"REACT_NATIVE_ANDROID", "react_native_android", "reactNativeAndroid"},
    {"REACT_NATIVE_IOS", "react_native_ios", "reactNativeIos"},
};

TEST(Catalogue, EveryEventHasItsOrdinalNamesAndType) {
    const auto events = values<ZolEvent>();
    ASSERT_EQ(events.size(), kEvents.size());
    for (std::size_t i = 0; i < kEvents.size(); ++i) {
        SCOPED_TRACE(kEvents[i].name);
        const ZolEvent event = events[i];
        EXPECT_EQ(ordinal(event), static_cast<std::int32_t>(i));
        EXPECT_EQ(name(event), kEvents[i].name);
        EXPECT_EQ(toString(event), kEvents[i].name);
        EXPECT_EQ(eventName(event), kEvents[i].wireName);
        EXPECT_EQ(name(eventType(event)), kEvents[i].typeName);
        EXPECT_EQ(hostFacingName(event), kEvents[i].hostFacingName);
    }
}

template <typename E, typename WireName>
void expectEnumeration(const std::vector<NamedRow>& expected, WireName wireName) {
    const auto all = values<E>();
    ASSERT_EQ(all.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(ordinal(all[i]), static_cast<std::int32_t>(i));
        EXPECT_EQ(name(all[i]), expected[i].name);
        EXPECT_EQ(wireName(all[i]), expected[i].wireName);
        EXPECT_EQ(hostFacingName(all[i]), expected[i].hostFacingName);
    }
}

TEST(Catalogue, EveryEventTypeHasItsOrdinalAndNames) {
    expectEnumeration<ZolEventType>(kEventTypes, eventTypeName);
}

TEST(Catalogue, EveryPlatformHasItsOrdinalAndNames) {
    expectEnumeration<ZolPlatform>(kPlatforms, platformName);
}

TEST(Catalogue, EventCountPerTypeMatchesTheTable) {
    const std::vector<std::pair<ZolEventType, int>> counts = {
        {ZolEventType::USER_INTERACTION, 10}, {ZolEventType::API_CALL, 5},
        {ZolEventType::SDK_STEP, 15},         {ZolEventType::SDK_FLOW, 3},
        {ZolEventType::SDK_ERROR, 6},         {ZolEventType::IDENTIFY, 1},
        {ZolEventType::DEVICE_INFO, 1},       {ZolEventType::CRASH, 1},
    };
    for (const auto& [type, count] : counts) {
        int seen = 0;
        for (auto event : entries<ZolEvent>()) {
            seen += eventType(event) == type ? 1 : 0;
        }
        EXPECT_EQ(seen, count) << name(type);
    }
}

TEST(Catalogue, ValuesIsANewArrayEachTimeEntriesIsOneSharedList) {
    auto first = values<ZolEvent>();
    const auto second = values<ZolEvent>();
    EXPECT_EQ(first, second);
    first[0] = ZolEvent::CRASH;  // a caller's array is its own
    EXPECT_EQ(values<ZolEvent>()[0], ZolEvent::IDENTIFY);
    EXPECT_EQ(&entries<ZolEvent>(), &entries<ZolEvent>());
    EXPECT_EQ(entries<ZolEvent>(), second);
    EXPECT_EQ(entries<ZolPlatform>(), values<ZolPlatform>());
}

TEST(Catalogue, EnumeratorsOrderByOrdinal) {
    EXPECT_LT(ZolEvent::IDENTIFY, ZolEvent::CRASH);
    EXPECT_LT(ZolEventType::API_CALL, ZolEventType::SDK_STEP);
    EXPECT_LT(ZolPlatform::NATIVE_ANDROID, ZolPlatform::REACT_NATIVE_IOS);
}

}  // namespace
