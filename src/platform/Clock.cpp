#include "platform/Clock.h"

#include <time.h>

namespace parlevox {

uint64_t Clock::TickCount() {
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
}

std::time_t Clock::Now() {
    return std::time(nullptr);
}

std::tm Clock::LocalTime(std::time_t when) {
    std::tm out {};
    if (!localtime_r(&when, &out)) out = std::tm {};
    return out;
}

long Clock::ZoneOffsetSeconds(std::time_t when) {
    return LocalTime(when).tm_gmtoff;
}

std::string Clock::FormatLocal(const char* format, std::time_t when) {
    if (!format || !*format) return {};
    std::tm local = LocalTime(when);
    // strftime answers 0 both for "too small" and for an empty result; a
    // trailing space keeps a good result from ever being empty.
    std::string padded = std::string(format) + ' ';
    std::string out(64 + padded.size() * 4, '\0');
    while (out.size() <= 1u << 20) {
        size_t length = std::strftime(out.data(), out.size(), padded.c_str(), &local);
        if (length > 0) {
            out.resize(length - 1);
            return out;
        }
        out.resize(out.size() * 2);
    }
    return {};
}

}  // namespace parlevox
