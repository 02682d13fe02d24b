#pragma once
// A fixed moment and a fixed identity, so that rendered records can be compared as exact text.

#include <gtest/gtest.h>

#include <atomic>

#include "model/properties/ZolPropertiesBaseModule.hpp"
#include "util/ZolClock.hpp"

namespace zoltest {

// 2024-05-06T07:08:09.010Z
inline constexpr double kGoldenSeconds = 1714979289.010;

class ModelFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        setClock(kGoldenSeconds);
        zolsolutions::detail::ZolPropertiesBaseModule::instance().update("native_ios", "client-7",
                                                                         "person-9");
    }

    void TearDown() override {
        zolsolutions::detail::setClockForTesting({});
        zolsolutions::detail::ZolPropertiesBaseModule::instance().resetForTesting();
    }

    static void setClock(double seconds) {
        zolsolutions::detail::setClockForTesting([seconds] { return seconds; });
    }
};

}  // namespace zoltest
