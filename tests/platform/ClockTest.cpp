#include "platform/Clock.h"

#include <time.h>
#include <unistd.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/ScopedEnvironment.h"

namespace parlevox {
namespace {

// Sets TZ for one test and makes the C library read it again.
class ZoneTest : public testing::Test {
protected:
    void UseZone(const char* zone) { zone_.Use(zone); }

private:
    test::ScopedTimeZone zone_;
};

TEST(ClockTest, TickCountIsMonotonicMilliseconds) {
    uint64_t first = Clock::TickCount();
    usleep(20000);
    uint64_t second = Clock::TickCount();
    EXPECT_GE(second - first, 19u);  // both readings are truncated to whole ms
    std::time_t before = std::time(nullptr);
    std::time_t now = Clock::Now();
    EXPECT_LE(before, now);
    EXPECT_LE(now, std::time(nullptr));
}

TEST_F(ZoneTest, OffsetFollowsTheZone) {
    const std::time_t january = 1704067200;  // 2024-01-01 00:00 UTC
    const std::time_t july = 1719792000;     // 2024-07-01 00:00 UTC
    struct Case {
        const char* zone;
        std::time_t when;
        long offset;
        int hour;
    } cases[] = {
        {"UTC0", january, 0, 0},
        {"XYZ-2", january, 7200, 2},
        {"ABC+5", january, -18000, 19},
        {"NPT-5:45", january, 20700, 5},
        {"CET-1CEST,M3.5.0,M10.5.0/3", january, 3600, 1},
        {"CET-1CEST,M3.5.0,M10.5.0/3", july, 7200, 2},
    };
    for (const auto& c : cases) {
        UseZone(c.zone);
        EXPECT_EQ(Clock::ZoneOffsetSeconds(c.when), c.offset) << c.zone;
        EXPECT_EQ(Clock::LocalTime(c.when).tm_hour, c.hour) << c.zone;
    }
}

TEST_F(ZoneTest, FormatsLocalTime) {
    UseZone("XYZ-2");
    EXPECT_EQ(Clock::FormatLocal("%Y-%m-%d %H:%M:%S", 97440), "1970-01-02 05:04:00");
    EXPECT_EQ(Clock::FormatLocal("", 0), "");
    EXPECT_EQ(Clock::FormatLocal("%%", 0), "%");
    std::string many;
    for (int i = 0; i < 300; ++i) many += "%Y";
    EXPECT_EQ(Clock::FormatLocal(many.c_str(), 0).size(), 1200u);  // larger than the first buffer
}

}  // namespace
}  // namespace parlevox
