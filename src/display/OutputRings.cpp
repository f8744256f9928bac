#include "display/OutputRings.h"

#include <algorithm>

namespace parlevox {
namespace {

constexpr size_t kLineStartMask = OutputRings::kLineStarts - 1;
static_assert((OutputRings::kLineStarts & kLineStartMask) == 0);
// The selection search steps leftwards this far at a time.
constexpr int kSearchStep = 4;

bool HasMark(const Cell& cell, uint8_t attribute) {
    return cell.IsText() && (cell.attr & attribute) != 0;
}

}  // namespace

OutputRings::OutputRings()
    : cells_(std::make_unique<Cell[]>(kCells)), starts_(std::make_unique<RingIndex[]>(kLineStarts)) {
    Clear();
}

void OutputRings::Clear() {
    std::fill_n(cells_.get(), kCells, kEndCell);
    oldestCell_ = 0;
    cellCount_ = 0;
    oldestLine_ = 0;
    lineCount_ = 0;
    dropped_ = 0;
}

bool OutputRings::SetWrap(const CellWidths& widths, const WrapLayout& layout) {
    if (!wrapper_.Configure(widths, layout)) return false;
    Rewrap();
    return true;
}

// ---- storing ----------------------------------------------------------

void OutputRings::StartDisplayLine(RingIndex start) {
    if (lineCount_ == kLineStarts) DropOldestLines(1);
    starts_[(oldestLine_ + lineCount_) & kLineStartMask] = start;
    ++lineCount_;
}

void OutputRings::DropOldestLines(size_t count) {
    count = std::min(count, lineCount_);
    dropped_ += static_cast<int64_t>(count);
    lineCount_ -= count;
    oldestLine_ = (oldestLine_ + count) & kLineStartMask;
    const RingIndex newOldest = lineCount_ > 0 ? starts_[oldestLine_] : NextCell();
    cellCount_ -= static_cast<RingIndex>(newOldest - oldestCell_);
    oldestCell_ = newOldest;
}

// Frees room for `cells` cells by dropping the oldest display lines, a
// twentieth of them at a time, keeping the newest `keptLines`. False when
// that is not enough.
bool OutputRings::MakeRoom(size_t cells, size_t keptLines) {
    while (kCells - 1 - cellCount_ < cells) {
        if (lineCount_ <= keptLines) return false;
        DropOldestLines(std::clamp<size_t>(lineCount_ / 20, 1, lineCount_ - keptLines));
    }
    return true;
}

void OutputRings::Put(const Cell& cell) {
    cells_[NextCell()] = cell;
    ++cellCount_;
}

void OutputRings::AddLine(const COutputBuffer& line) {
    std::span<const Cell> text = line.Text().first(line.TrimmedLength());
    MakeRoom(1, 0);
    const RingIndex first = NextCell();
    StartDisplayLine(first);
    wrapper_.StartLogicalLine();
    for (size_t i = 0; i < text.size(); ++i) {
        // Room for this cell and the end cell; the display line being
        // written stays.
        if (!MakeRoom(2, 1)) break;
        Put(text[i]);
        if (text[i].IsControl()) continue;
        if (auto start = wrapper_.Feed(i, text[i], i + 1 < text.size()))
            StartDisplayLine(static_cast<RingIndex>(first + *start));
    }
    Put(kEndCell);
}

// Line starts from the stored cells, as if each line were added again.
void OutputRings::Rewrap() {
    const RingIndex first = oldestCell_;
    const size_t count = cellCount_;
    lineCount_ = 0;
    if (count == 0) return;
    StartDisplayLine(first);
    wrapper_.StartLogicalLine();
    size_t lineStart = 0;
    for (size_t i = 0; i < count; ++i) {
        const Cell& cell = cells_[static_cast<RingIndex>(first + i)];
        if (cell.IsEnd() && i + 1 < count) {
            StartDisplayLine(static_cast<RingIndex>(first + i + 1));
            wrapper_.StartLogicalLine();
            lineStart = i + 1;
        }
        if (cell.IsControl()) continue;
        const bool moreText = i + 1 < count && cells_[static_cast<RingIndex>(first + i + 1)].IsText();
        if (auto start = wrapper_.Feed(i - lineStart, cell, moreText))
            StartDisplayLine(static_cast<RingIndex>(first + lineStart + *start));
    }
}

// ---- display lines ----------------------------------------------------

size_t OutputRings::CellsOf(size_t line) const {
    const RingIndex end = line + 1 < lineCount_ ? StartOf(line + 1) : NextCell();
    return static_cast<RingIndex>(end - StartOf(line));
}

std::optional<OutputRings::DisplayLine> OutputRings::Line(int64_t number) const {
    if (number < dropped_ || number - dropped_ >= static_cast<int64_t>(lineCount_)) return std::nullopt;
    const auto index = static_cast<size_t>(number - dropped_);
    DisplayLine line{StartOf(index), CellsOf(index), false, wrapper_.Layout().firstIndent};
    for (size_t i = 0; i < line.cells; ++i) {
        if (cells_[static_cast<RingIndex>(line.start + i)].IsEnd()) {
            line.cells = i;
            line.endsLine = true;
            break;
        }
    }
    // The oldest stored line counts as a line's first, even when the
    // beginning of its line has been dropped.
    if (index > 0 && !cells_[static_cast<RingIndex>(line.start - 1)].IsEnd())
        line.indent = wrapper_.Layout().continuationIndent;
    return line;
}

int64_t OutputRings::LineContaining(RingIndex index) const {
    const size_t order = OrderOf(index);
    size_t low = 0, high = lineCount_;  // the answer is in [low, high)
    while (high - low > 1) {
        const size_t middle = (low + high) / 2;
        if (OrderOf(StartOf(middle)) <= order) low = middle;
        else high = middle;
    }
    return dropped_ + static_cast<int64_t>(low);
}

int OutputRings::LineWidth(const DisplayLine& line) const {
    int width = 0;
    for (size_t i = 0; i < line.cells; ++i) width += wrapper_.Width(cells_[static_cast<RingIndex>(line.start + i)]);
    return width;
}

// ---- hit testing ------------------------------------------------------

std::optional<RingIndex> OutputRings::CharacterAt(int64_t number, int x) const {
    const auto line = Line(number);
    if (!line || x < line->indent) return std::nullopt;
    int right = line->indent;
    for (size_t i = 0; i < line->cells; ++i) {
        const auto index = static_cast<RingIndex>(line->start + i);
        right += wrapper_.Width(cells_[index]);
        if (right > x) return index;
    }
    return std::nullopt;
}

std::optional<RingIndex> OutputRings::SelectionStartAt(int64_t number, int x) const {
    if (auto hit = CharacterAt(number, x)) return hit;
    const auto line = Line(number);
    if (!line || x < line->indent + LineWidth(*line)) return std::nullopt;
    if (line->endsLine) return static_cast<RingIndex>(line->start + line->cells);
    if (line->cells == 0) return std::nullopt;
    return static_cast<RingIndex>(line->start + line->cells - 1);
}

// Probes x, x - 4, x - 8, ... down to the line's start.
std::optional<RingIndex> OutputRings::SearchLeftwards(const DisplayLine& line, int x) const {
    const int right = line.indent + LineWidth(line);
    if (x >= right) {  // skip the probes past the end
        const int64_t beyond = int64_t{x} - right;
        x = static_cast<int>(x - (beyond / kSearchStep + 1) * kSearchStep);
    }
    for (; x >= line.indent; x -= kSearchStep) {
        int edge = line.indent;
        for (size_t i = 0; i < line.cells; ++i) {
            const auto index = static_cast<RingIndex>(line.start + i);
            edge += wrapper_.Width(cells_[index]);
            if (edge > x) return index;
        }
    }
    return std::nullopt;
}

std::optional<RingIndex> OutputRings::CharacterAtOrLeftOf(int64_t number, int x) const {
    if (lineCount_ == 0 || number < dropped_) return std::nullopt;
    const int64_t last = dropped_ + static_cast<int64_t>(lineCount_) - 1;
    bool fromRightEnd = number > last;
    for (number = std::min(number, last); number >= dropped_; --number, fromRightEnd = true) {
        const DisplayLine line = *Line(number);
        if (fromRightEnd) x = line.indent + LineWidth(line) - 1;
        if (auto hit = SearchLeftwards(line, x)) return hit;
    }
    return std::nullopt;
}

// ---- text out ---------------------------------------------------------

std::string OutputRings::SelectionText(RingIndex from, RingIndex to) const {
    if (!IsStored(from) || !IsStored(to)) return {};
    size_t first = OrderOf(from), last = OrderOf(to);
    if (first > last) std::swap(first, last);
    std::string text;
    text.reserve(last - first + 2);
    for (size_t order = first; order <= last; ++order) {
        const Cell& cell = cells_[static_cast<RingIndex>(oldestCell_ + order)];
        if (cell.IsEnd()) text += "\r\n";
        else if (cell.IsText()) text += static_cast<char>(cell.ch);
    }
    return text;
}

std::string OutputRings::RunAt(RingIndex index, uint8_t attribute, size_t longest) const {
    if (!IsStored(index) || !HasMark(cells_[index], attribute)) return {};
    size_t order = OrderOf(index);
    while (order > 0 && HasMark(cells_[static_cast<RingIndex>(oldestCell_ + order - 1)], attribute)) --order;
    std::string run;
    for (; order < cellCount_ && run.size() < longest; ++order) {
        const Cell& cell = cells_[static_cast<RingIndex>(oldestCell_ + order)];
        if (!HasMark(cell, attribute)) break;
        run += static_cast<char>(cell.ch);
    }
    return run;
}

std::string OutputRings::LinkAt(RingIndex index) const {
    return RunAt(index, cellattr::kLink, kLongestLink);
}

std::string OutputRings::NicknameAt(RingIndex index) const {
    return RunAt(index, cellattr::kNickname, kLongestNickname);
}

size_t OutputRings::GetAllText(char* buffer, size_t size) const {
    size_t written = 0;
    for (size_t order = 0; order < cellCount_ && written + 2 < size; ++order) {
        const Cell& cell = cells_[static_cast<RingIndex>(oldestCell_ + order)];
        if (cell.IsEnd()) {
            buffer[written++] = '\r';
            buffer[written++] = '\n';
        } else if (cell.IsText()) {
            buffer[written++] = static_cast<char>(cell.ch);
        }
    }
    return written;
}

std::string OutputRings::AllText() const {
    std::string text;
    text.reserve(cellCount_ + 2 * lineCount_);
    for (size_t order = 0; order < cellCount_; ++order) {
        const Cell& cell = cells_[static_cast<RingIndex>(oldestCell_ + order)];
        if (cell.IsEnd()) text += "\r\n";
        else if (cell.IsText()) text += static_cast<char>(cell.ch);
    }
    return text;
}

}  // namespace parlevox
