#pragma once
// What every run of the tool must honour, whatever it was asked to do.

#include <gtest/gtest.h>

#include <string>

#include "tool/ToolProcess.hpp"

namespace zoltest {

inline const std::string kAnalyticsCredential = "UGxhY2Vob2xkZXJLZXlPbmVGb3JUZXN0aW5nMQ==";
inline const std::string kCrashCredential = "UGxhY2Vob2xkZXJLZXlUd29Gb3JUZXN0aW5nMg==";

inline const std::string kToggleUrl =
    "https://firestore.googleapis.com/v1/projects/zol-solutions/databases/(default)/documents/"
    "feature_toggle/";
inline const std::string kAnalyticsUrl = "https://zolsolutions.dataplane.rudderstack.com/v1/";

/// No credential, nor any recognisable piece of one, anywhere in what the tool printed.
inline void expectNoCredential(const ToolResult& result) {
    for (const std::string& credential : {kAnalyticsCredential, kCrashCredential}) {
        const std::string piece = credential.substr(0, 16);
        EXPECT_EQ(result.out.find(piece), std::string::npos) << "credential on stdout";
        EXPECT_EQ(result.err.find(piece), std::string::npos) << "credential on stderr";
    }
}

}  // namespace zoltest
