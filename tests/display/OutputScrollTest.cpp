#include "display/OutputScroll.h"

#include <functional>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

// Lines 100-149 stored, 10 visible: the last page starts at 140.
OutputScroll At(int64_t position) {
    OutputScroll scroll;
    scroll.SetVisibleLines(10);
    scroll.SetRange(100, 50);
    scroll.GoTo(position);
    return scroll;
}

TEST(OutputScrollTest, MovesWithinTheStoredLines) {
    struct Case {
        const char* description;
        int64_t from;
        std::function<void(OutputScroll&)> move;
        int64_t position;
        bool atBottom;
    } cases[] = {
        {"line up", 140, &OutputScroll::LineUp, 139, false},
        {"line up at the first line", 100, &OutputScroll::LineUp, 100, false},
        {"line down to the last page", 139, &OutputScroll::LineDown, 140, true},
        {"line down at the last page", 140, &OutputScroll::LineDown, 140, true},
        {"page up by visible - 1", 140, &OutputScroll::PageUp, 131, false},
        {"page up stops at the first line", 105, &OutputScroll::PageUp, 100, false},
        {"page down by visible - 1", 100, &OutputScroll::PageDown, 109, false},
        {"page down stops at the last page", 135, &OutputScroll::PageDown, 140, true},
        {"top", 120, &OutputScroll::Top, 100, false},
        {"bottom", 100, &OutputScroll::Bottom, 140, true},
        {"go to a position", 140, [](OutputScroll& s) { s.GoTo(120); }, 120, false},
        {"go to before the first line", 140, [](OutputScroll& s) { s.GoTo(50); }, 100, false},
        {"go to past the last page", 100, [](OutputScroll& s) { s.GoTo(1000); }, 140, true},
    };
    for (const auto& c : cases) {
        OutputScroll scroll = At(c.from);
        c.move(scroll);
        EXPECT_EQ(scroll.Position(), c.position) << c.description;
        EXPECT_EQ(scroll.AtBottom(), c.atBottom) << c.description;
    }
}

TEST(OutputScrollTest, NewLinesMoveTheViewOnlyAtTheBottom) {
    OutputScroll following = At(140);
    following.SetRange(100, 51);
    EXPECT_EQ(following.Bar(), (ScrollBarValues{100, 150, 10, 141}));

    OutputScroll stayed = At(120);
    stayed.SetRange(100, 51);
    EXPECT_EQ(stayed.Position(), 120);
    stayed.SetRange(130, 40) /* dropped past the view */;
    EXPECT_EQ(stayed.Bar(), (ScrollBarValues{130, 169, 10, 130}));
    EXPECT_FALSE(stayed.AtBottom());
}

TEST(OutputScrollTest, FewerLinesThanVisibleStayAtTheFirstLine) {
    OutputScroll scroll;
    scroll.SetVisibleLines(10);
    scroll.SetRange(0, 4);
    EXPECT_EQ(scroll.Bar(), (ScrollBarValues{0, 3, 10, 0}));
    scroll.LineDown();
    scroll.PageUp();
    EXPECT_EQ(scroll.Position(), 0);
    EXPECT_TRUE(scroll.AtBottom());
    scroll.SetRange(30, 4);
    EXPECT_EQ(scroll.Position(), 30) << "never before the first stored line";
}

}  // namespace
}  // namespace parlevox
