#include "display/OutputPaneModel.h"

#include <string>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

class TenPixels final : public CellWidths {
public:
    int Width(int, unsigned char ch) const override { return ch < 32 ? 0 : 10; }
};

const TenPixels kWidths;

class OutputPaneModelTest : public testing::Test {
protected:
    OutputPaneModelTest() : pane_(suppression_) { pane_.SetLayout(kWidths, {1000, 0, 0}, 5); }

    void Add(int count, const std::string& text = "line") {
        for (int i = 0; i < count; ++i) pane_.AddLine(ToCells(text));
    }

    OutputSuppression suppression_;
    OutputPaneModel pane_;
};

TEST_F(OutputPaneModelTest, SuppressedOutputStoresNothing) {
    suppression_.Raise();
    suppression_.Raise();
    EXPECT_FALSE(pane_.AddLine(ToCells("hidden")));
    suppression_.Lower();
    EXPECT_FALSE(pane_.AddLine(ToCells("hidden")));
    suppression_.Lower();
    suppression_.Lower();
    EXPECT_EQ(suppression_.Count(), 0) << "never below 0";
    EXPECT_TRUE(pane_.AddLine(ToCells("shown")));
    EXPECT_EQ(pane_.Rings().StoredLines(), 1);
}

TEST_F(OutputPaneModelTest, MarksLinesWithItsSettings) {
    pane_.SetMarking({7, 3, {"ping"}});
    pane_.AddLine(ToCells("PING www.example.com"));
    const auto line = *pane_.Rings().Line(0);
    EXPECT_EQ(pane_.Rings().At(line.start).Foreground(), 3);
    EXPECT_EQ(pane_.Rings().LinkAt(static_cast<RingIndex>(line.start + 5)), "www.example.com");
    EXPECT_EQ(pane_.Rings().At(static_cast<RingIndex>(line.start + 5)).Foreground(), 7);
}

TEST_F(OutputPaneModelTest, FollowsNewLinesUntilScrolledUp) {
    Add(10);
    EXPECT_EQ(pane_.ScrollBar(), (ScrollBarValues{0, 9, 5, 5}));
    pane_.Scroll().LineUp();
    Add(3);
    EXPECT_EQ(pane_.ScrollBar(), (ScrollBarValues{0, 12, 5, 4}));
    pane_.Scroll().Bottom();
    Add(1);
    EXPECT_EQ(pane_.Scroll().Position(), 9);
}

TEST_F(OutputPaneModelTest, DroppedLinesRaiseTheScrollMinimum) {
    Add(100, "x");  // short lines: the line-start ring fills first
    pane_.Scroll().Top();
    Add(static_cast<int>(OutputRings::kLineStarts), "x");
    EXPECT_EQ(pane_.ScrollBar(), (ScrollBarValues{100, 100 + 16384 - 1, 5, 100}));

    pane_.Scroll().Bottom();
    Add(2000, std::string(150, 'c'));  // 151 cells a line: the cell ring overflows
    const ScrollBarValues bar = pane_.ScrollBar();
    EXPECT_GT(bar.minimum, 100 + 16384);
    EXPECT_EQ(bar.maximum, bar.minimum + pane_.Rings().StoredLines() - 1);
    EXPECT_EQ(bar.position, bar.maximum - 4);
}

TEST_F(OutputPaneModelTest, RewrappingKeepsTheFirstVisibleLine) {
    for (int i = 0; i < 20; ++i) pane_.AddLine(ToCells(std::to_string(100 + i) + " bbbb"));
    pane_.Scroll().GoTo(10);
    pane_.SetLayout(kWidths, {60, 0, 0}, 5);  // every line wraps once
    EXPECT_EQ(pane_.Rings().StoredLines(), 40);
    EXPECT_EQ(pane_.Scroll().Position(), 20);
    EXPECT_FALSE(pane_.Scroll().AtBottom());

    pane_.Scroll().Bottom();
    pane_.SetLayout(kWidths, {1000, 0, 0}, 4);
    EXPECT_EQ(pane_.ScrollBar(), (ScrollBarValues{0, 19, 4, 16}));
}

TEST_F(OutputPaneModelTest, ClearEmptiesThePane) {
    Add(30);
    pane_.Scroll().Top();
    pane_.Clear();
    EXPECT_EQ(pane_.ScrollBar(), (ScrollBarValues{0, -1, 5, 0}));
    EXPECT_TRUE(pane_.Scroll().AtBottom());
    Add(7);
    EXPECT_EQ(pane_.ScrollBar(), (ScrollBarValues{0, 6, 5, 2}));
}

}  // namespace
}  // namespace parlevox
