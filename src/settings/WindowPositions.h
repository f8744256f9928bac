#pragma once
// Where each window was last: the main window in "Positions" (the options
// record keeps it) and every other window by its name ("#channel", a nick,
// "~Status") in "Window positions", as "left,top,width,height". Stored
// values are not trusted: FitOnScreen makes any rectangle a usable one.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace parlevox {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// A rectangle inside `screen`, at least minWidth x minHeight (or the whole
// screen when that is smaller), as close to `wanted` as that allows.
WindowRect FitOnScreen(const WindowRect& wanted, const WindowRect& screen, int minWidth = 160, int minHeight = 120);

class WindowPositions {
public:
    static constexpr const char* kSection = "Window positions";

    explicit WindowPositions(Registry& registry) : registry_(registry) {}

    // Nothing for an unknown window or a value that does not read as four numbers.
    std::optional<WindowRect> Find(std::string_view windowName) const;
    void Remember(std::string_view windowName, const WindowRect& rect);

private:
    Registry& registry_;
};

}  // namespace parlevox
