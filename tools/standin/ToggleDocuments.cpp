#include "standin/ToggleDocuments.hpp"

namespace zolsolutions::standin {

namespace {

// Fixed times keep every answer byte for byte the same, run after run.
constexpr std::string_view kCreateTime = "2024-03-04T09:15:26.517829Z";
constexpr std::string_view kUpdateTime = "2024-05-21T14:02:48.093311Z";

}  // namespace

std::string toggleDocumentName(std::string_view document) {
    return std::string(kToggleCollectionPath.substr(sizeof("/v1/") - 1)) + std::string(document);
}

std::string switchDocumentName(ZolFeatureToggleEvent toggle) {
    return toggleDocumentName(featureName(toggle));
}

std::string toggleDocumentBody(std::string_view document, bool enabled) {
    return R"({"name":")" + toggleDocumentName(document) +
           R"(","fields":{"enabled":{"booleanValue":)" + (enabled ? "true" : "false") +
           R"(}},"createTime":")" + std::string(kCreateTime) + R"(","updateTime":")" +
           std::string(kUpdateTime) + R"("})";
}

std::string missingDocumentBody(std::string_view document) {
    return R"({"error":{"code":404,"message":"Document \")" + toggleDocumentName(document) +
           R"(\" not found.","status":"NOT_FOUND"}})";
}

}  // namespace zolsolutions::standin
