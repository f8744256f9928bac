#pragma once
// Time for the core: 64-bit monotonic milliseconds (no 49.7-day wrap) and
// local time with the zone offset, summer time included.
#include <cstdint>
#include <ctime>
#include <string>

namespace parlevox {

class Clock {
public:
    // Milliseconds since an arbitrary start; never goes backwards.
    static uint64_t TickCount();
    // Seconds since the epoch.
    static std::time_t Now();
    static std::tm LocalTime(std::time_t when);
    // Seconds east of UTC at that moment, summer time included.
    static long ZoneOffsetSeconds(std::time_t when);
    // strftime into a string.
    static std::string FormatLocal(const char* format, std::time_t when);
};

}  // namespace parlevox
