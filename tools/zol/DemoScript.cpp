#include "zol/DemoScript.hpp"

#include "zolsolutions/ZolSolutions.hpp"

namespace zolsolutions::tool {

std::vector<ScriptedEvent> captureRunEvents() {
    const auto camera =
        std::make_shared<const ZolPermissionProperties>(std::vector<std::string>{"camera"});
    return {
        {ZolEvent::START_SDK, std::make_shared<const ZolDefaultProperties>()},
        {ZolEvent::CAMERA_PERMISSION_REQUESTED, camera},
        {ZolEvent::CAMERA_PERMISSION_GRANTED, camera},
        {ZolEvent::CAPTURE_SCREEN_OPENED, std::make_shared<const ZolDefaultProperties>()},
        {ZolEvent::DOCUMENT_FRONT_CAPTURE_STARTED, std::make_shared<const ZolDefaultProperties>()},
        {ZolEvent::DOCUMENT_BACK_CAPTURE_STARTED, std::make_shared<const ZolDefaultProperties>()},
        {ZolEvent::UPLOAD_ROUTE_CALLED,
         std::make_shared<const ZolAPIResponseProperties>(
             "/v2/documents/upload", "200", "342", R"({"documentId":"doc-7f3a","status":"stored"})",
             ZolRequestParams{{"side", "front"}, {"format", "jpeg"}},
             R"({"image":"<1.2 MB of JPEG>"})")},
        {ZolEvent::MEMORY_INFO, std::make_shared<const ZolMemoryInfoProperties>("512", "128")},
        {ZolEvent::SDK_RESULT, std::make_shared<const ZolSDKResultProperties>("success")},
        {ZolEvent::INTERNAL_ERROR,
         std::make_shared<const ZolErrorProperties>("E42", "Camera \"back\" unavailable")},
    };
}

std::string captureRunStackTrace() {
    return "java.lang.IllegalStateException: Kamera \"rückseitig\" nicht verfügbar\n"
           "\tat com.example.capture.CameraController.open(CameraController.kt:42)\n"
           "\tat com.example.capture.CaptureActivity.onResume(CaptureActivity.kt:87)\n"
           "\tat android.app.Activity.performResume(Activity.java:8422)\n";
}

}  // namespace zolsolutions::tool
