#pragma once
// The document database's answers for the switch documents, in the shape of the Firestore REST
// API: a document with its name, fields and times, or the NOT_FOUND error object.

#include <string>
#include <string_view>

#include "zolsolutions/model/enums/ZolFeatureToggleEvent.hpp"

namespace zolsolutions::standin {

/// The request path of the switch documents' collection, ending in "/".
inline constexpr std::string_view kToggleCollectionPath =
    "/v1/projects/zol-solutions/databases/(default)/documents/feature_toggle/";

/// "projects/zol-solutions/databases/(default)/documents/feature_toggle/<document>".
/// `document` must be a plain name (letters, digits, "_" and "-"): it is not escaped.
std::string toggleDocumentName(std::string_view document);
/// The same for a switch, by its featureName.
std::string switchDocumentName(ZolFeatureToggleEvent toggle);

/// The stored document, compact JSON: name, fields.enabled.booleanValue, createTime, updateTime.
std::string toggleDocumentBody(std::string_view document, bool enabled);
/// The 404 answer for a document that does not exist.
std::string missingDocumentBody(std::string_view document);

}  // namespace zolsolutions::standin
