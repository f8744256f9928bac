// Stored window rectangles are hostile input: whatever the settings hold,
// the window opens fully on the screen with a usable size.
#include <gtest/gtest.h>

#include <climits>

#include "settings/WindowPositions.h"

namespace parlevox {
namespace {

TEST(WindowPositionsTest, AnyStoredRectangleFitsTheScreen) {
    const WindowRect screen{0, 0, 1280, 800};
    struct Case {
        const char* description;
        WindowRect stored;
        WindowRect expected;
    } cases[] = {
        {"kept as it is", {10, 10, 600, 400}, {10, 10, 600, 400}},
        {"negative place", {-500, -20, 600, 400}, {0, 0, 600, 400}},
        {"far off to the right", {100000, 100000, 600, 400}, {680, 400, 600, 400}},
        {"zero width and height", {10, 10, 0, 0}, {10, 10, 160, 120}},
        {"negative size", {10, 10, -600, -1}, {10, 10, 160, 120}},
        {"larger than the screen", {0, 0, 100000, 100000}, {0, 0, 1280, 800}},
        {"extremes cannot overflow", {INT_MAX, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 1280, 800}},
    };
    for (const Case& c : cases) EXPECT_EQ(FitOnScreen(c.stored, screen), c.expected) << c.description;
    // A screen smaller than the minimum size is filled.
    EXPECT_EQ(FitOnScreen({5, 5, 10, 10}, {100, 50, 100, 80}), (WindowRect{100, 50, 100, 80}));
}

TEST(WindowPositionsTest, RemembersByNameAndRejectsGarbledValues) {
    Registry registry;
    WindowPositions positions(registry);
    positions.Remember("#Parlevox", {-5, 20, 300, 200});
    EXPECT_EQ(positions.Find("#parlevox"), (WindowRect{-5, 20, 300, 200}));  // names compare without case
    EXPECT_FALSE(positions.Find("~Status"));
    for (const char* garbled : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,2,3,99999999999", "1, 2,3,4"}) {
        registry.WriteProfileString(WindowPositions::kSection, "Nick", garbled);
        EXPECT_FALSE(positions.Find("Nick")) << garbled;
    }
}

}  // namespace
}  // namespace parlevox
