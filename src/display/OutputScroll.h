#pragma once
// The scroll state of an output pane over its stored display lines, which
// are numbered absolutely from the first one still stored. The view follows
// new lines while it is at the last page; once the user scrolls up it stays
// where it is.
#include <cstdint>

namespace parlevox {

struct ScrollBarValues {
    int64_t minimum = 0;
    int64_t maximum = -1;
    int64_t page = 0;
    int64_t position = 0;
    bool operator==(const ScrollBarValues&) const = default;
};

class OutputScroll {
public:
    // The stored display lines are first .. first + count - 1. At the bottom
    // the position moves to the last page; otherwise it only stays within
    // the stored lines.
    void SetRange(int64_t first, int64_t count);
    void SetVisibleLines(int visible);
    // Empty, at the top, following new lines.
    void Reset();

    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    void Top();
    void Bottom();
    void GoTo(int64_t position);

    int64_t Position() const { return position_; }
    bool AtBottom() const { return atBottom_; }
    int VisibleLines() const { return visible_; }
    int64_t FirstLine() const { return first_; }
    // The position that shows the last stored line at the bottom, not
    // before the first stored line.
    int64_t LastPage() const;
    ScrollBarValues Bar() const;

private:
    int64_t PageStep() const;
    void MoveTo(int64_t position);

    int64_t first_ = 0;
    int64_t count_ = 0;
    int visible_ = 0;
    int64_t position_ = 0;
    bool atBottom_ = true;
};

}  // namespace parlevox
