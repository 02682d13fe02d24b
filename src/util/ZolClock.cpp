#include "util/ZolClock.hpp"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace zolsolutions::detail {

namespace {

// The test clock is the one piece of mutable process state here; production readings see the
// flag clear and never take the lock.
struct TestClock {
    std::atomic<bool> active{false};
    std::mutex mutex;
    std::shared_ptr<const std::function<double()>> clock;
};

// Never destroyed, so a rendering that runs while the process exits still finds it.
TestClock& testClock() {
    static TestClock& instance = *new TestClock;
    return instance;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil_from_days), exact for
// the whole range of 64-bit day counts used here.
CivilDate civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<std::uint64_t>(days - era * 146097);
    const std::uint64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<unsigned>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const auto month = static_cast<unsigned>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    return {year, month, day};
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// 2^62 ms is about 146 million years either way: far beyond any clock, and small enough that
// the conversion to an integer and the calendar arithmetic cannot overflow.
constexpr double kMaxMilliseconds = 4611686018427387904.0;

}  // namespace

double nowSecondsSince1970() {
    TestClock& test = testClock();
    if (test.active.load(std::memory_order_acquire)) {
        std::shared_ptr<const std::function<double()>> clock;
        {
            std::lock_guard lock(test.mutex);
            clock = test.clock;
        }
        if (clock) {
            return (*clock)();
        }
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count();
}

void setClockForTesting(std::function<double()> clock) {
    TestClock& test = testClock();
    std::lock_guard lock(test.mutex);
    if (clock) {
        test.clock = std::make_shared<const std::function<double()>>(std::move(clock));
        test.active.store(true, std::memory_order_release);
    } else {
        test.active.store(false, std::memory_order_release);
        test.clock.reset();
    }
}

std::string formatTimestamp(double secondsSince1970) {
    if (std::isnan(secondsSince1970)) {
        throw std::invalid_argument("timestamp: the clock reading is not a number");
    }
    // std::round rounds halves away from zero, as the wire format asks.
    const double rounded = std::round(secondsSince1970 * 1000.0);
    const auto milliseconds = static_cast<std::int64_t>(
        std::fmax(-kMaxMilliseconds, std::fmin(kMaxMilliseconds, rounded)));

    const std::int64_t days = floorDiv(milliseconds, 86'400'000);
    const std::int64_t msOfDay = milliseconds - days * 86'400'000;
    const CivilDate date = civilFromDays(days);
    const auto hour = static_cast<int>(msOfDay / 3'600'000);
    const auto minute = static_cast<int>(msOfDay / 60'000 % 60);
    const auto second = static_cast<int>(msOfDay / 1000 % 60);
    const auto millisecond = static_cast<int>(msOfDay % 1000);

    char year[32];
    if (date.year < 0) {
        std::snprintf(year, sizeof year, "-%04lld", static_cast<long long>(-date.year));
    } else if (date.year > 9999) {
        std::snprintf(year, sizeof year, "+%lld", static_cast<long long>(date.year));
    } else {
        std::snprintf(year, sizeof year, "%04lld", static_cast<long long>(date.year));
    }
    char text[96];
    if (millisecond == 0) {
        std::snprintf(text, sizeof text, "%s-%02u-%02uT%02d:%02d:%02dZ", year, date.month, date.day,
                      hour, minute, second);
    } else {
        std::snprintf(text, sizeof text, "%s-%02u-%02uT%02d:%02d:%02d.%03dZ", year, date.month,
                      date.day, hour, minute, second, millisecond);
    }
    return text;
}

}  // namespace zolsolutions::detail
