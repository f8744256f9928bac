#include "display/OutputScroll.h"

#include <algorithm>

namespace parlevox {

int64_t OutputScroll::LastPage() const {
    return std::max(first_, first_ + count_ - visible_);
}

int64_t OutputScroll::PageStep() const {
    return std::max(visible_ - 1, 0);
}

ScrollBarValues OutputScroll::Bar() const {
    return {first_, first_ + count_ - 1, visible_, position_};
}

void OutputScroll::SetRange(int64_t first, int64_t count) {
    first_ = first;
    count_ = std::max<int64_t>(count, 0);
    position_ = atBottom_ ? LastPage() : std::clamp(position_, first_, LastPage());
}

void OutputScroll::SetVisibleLines(int visible) {
    visible_ = std::max(visible, 0);
    SetRange(first_, count_);
}

void OutputScroll::Reset() {
    first_ = 0;
    count_ = 0;
    position_ = 0;
    atBottom_ = true;
}

void OutputScroll::MoveTo(int64_t position) {
    position_ = std::clamp(position, first_, LastPage());
    atBottom_ = position_ == LastPage();
}

void OutputScroll::LineUp() {
    MoveTo(position_ - 1);
}

void OutputScroll::LineDown() {
    MoveTo(position_ + 1);
}

void OutputScroll::PageUp() {
    MoveTo(position_ - PageStep());
}

void OutputScroll::PageDown() {
    MoveTo(position_ + PageStep());
}

void OutputScroll::Top() {
    MoveTo(first_);
}

void OutputScroll::Bottom() {
    MoveTo(LastPage());
}

void OutputScroll::GoTo(int64_t position) {
    MoveTo(position);
}

}  // namespace parlevox
