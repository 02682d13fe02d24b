// The timestamp text and the clock seam.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "util/ZolClock.hpp"

namespace {

using zolsolutions::detail::formatTimestamp;

TEST(Timestamp, FormatsUtcToTheRoundedMillisecond) {
    struct Case {
        double seconds;
        std::string text;
    };
    const std::vector<Case> cases = {
        {1714979289.010, "2024-05-06T07:08:09.010Z"},
        {1714979289.0, "2024-05-06T07:08:09Z"},  // whole second: no fraction
        {1709251199.999, "2024-02-29T23:59:59.999Z"},
        {946684800.0, "2000-01-01T00:00:00Z"},
        {0.0, "1970-01-01T00:00:00Z"},
        {-2203891200.0, "1900-03-01T00:00:00Z"},
        // Halves go away from zero (values exact in binary, so these are true halves).
        {0.0625, "1970-01-01T00:00:00.063Z"},
        {-0.0625, "1969-12-31T23:59:59.937Z"},
        {-0.1875, "1969-12-31T23:59:59.812Z"},
        {0.0004, "1970-01-01T00:00:00Z"},
        // Rounding up carries into seconds, minutes and days.
        {1.9996, "1970-01-01T00:00:02Z"},
        {59.9996, "1970-01-01T00:01:00Z"},
        {86399.9996, "1970-01-02T00:00:00Z"},
        {-0.0001, "1970-01-01T00:00:00Z"},
        // Years beyond four digits use the expanded form instead of overflowing the field.
        {253402300799.999, "9999-12-31T23:59:59.999Z"},
        {253402300800.0, "+10000-01-01T00:00:00Z"},
        {-62167219200.0, "0000-01-01T00:00:00Z"},
        {-62167219201.0, "-0001-12-31T23:59:59Z"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatTimestamp(c.seconds), c.text) << std::to_string(c.seconds);
    }
}

TEST(Timestamp, ExtremeReadingsAreClampedNotUndefined) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double seconds : {inf, 1e300, std::numeric_limits<double>::max()}) {
        const std::string text = formatTimestamp(seconds);
        EXPECT_EQ(text.front(), '+') << text;
        EXPECT_EQ(text, formatTimestamp(inf));
    }
    for (double seconds : {-inf, -1e300, std::numeric_limits<double>::lowest()}) {
        const std::string text = formatTimestamp(seconds);
        EXPECT_EQ(text.front(), '-') << text;
        EXPECT_EQ(text, formatTimestamp(-inf));
    }
    EXPECT_THROW(formatTimestamp(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
}

TEST(Timestamp, ClockSeamReplacesAndRestoresTheSystemClock) {
    using zolsolutions::detail::nowSecondsSince1970;
    using zolsolutions::detail::setClockForTesting;
    setClockForTesting([] { return 42.5; });
    EXPECT_EQ(nowSecondsSince1970(), 42.5);
    setClockForTesting({});
    const double system =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    EXPECT_NEAR(nowSecondsSince1970(), system, 3600.0);
}

}  // namespace
