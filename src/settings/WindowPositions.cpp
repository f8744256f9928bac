#include "settings/WindowPositions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace parlevox {

WindowRect FitOnScreen(const WindowRect& wanted, const WindowRect& screen, int minWidth, int minHeight) {
    WindowRect fitted;
    fitted.width = std::clamp(wanted.width, std::min(minWidth, screen.width), screen.width);
    fitted.height = std::clamp(wanted.height, std::min(minHeight, screen.height), screen.height);
    // 64-bit, so that stored extremes cannot overflow the sums.
    auto place = [](int want, int origin, int extent, int size) {
        long long highest = static_cast<long long>(origin) + extent - size;
        return static_cast<int>(std::clamp<long long>(want, origin, highest));
    };
    fitted.left = place(wanted.left, screen.left, screen.width, fitted.width);
    fitted.top = place(wanted.top, screen.top, screen.height, fitted.height);
    return fitted;
}

std::optional<WindowRect> WindowPositions::Find(std::string_view windowName) const {
    if (windowName.empty()) return std::nullopt;
    std::string text = registry_.GetProfileString(kSection, windowName);
    int values[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        size_t comma = i < 3 ? text.find(',', start) : text.size();
        if (comma == std::string::npos) return std::nullopt;
        const char* first = text.data() + start;
        const char* last = text.data() + comma;
        auto [end, error] = std::from_chars(first, last, values[i]);
        if (error != std::errc() || end != last) return std::nullopt;
        start = comma + 1;
    }
    return WindowRect{values[0], values[1], values[2], values[3]};
}

void WindowPositions::Remember(std::string_view windowName, const WindowRect& rect) {
    if (windowName.empty()) return;
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", rect.left, rect.top, rect.width, rect.height);
    registry_.WriteProfileString(kSection, windowName, text);
}

}  // namespace parlevox
