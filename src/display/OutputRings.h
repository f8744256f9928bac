#pragma once
// The stored text of an output pane: a ring of 65,536 cells holding whole
// formatted lines one after another, and a ring of 16,384 display-line
// starts, one per stored line and one per wrap continuation. When either is
// full the oldest display lines are dropped: one at a time for the line
// starts, one twentieth of them for the cells. Display lines are numbered
// absolutely: the first one still stored has the number DroppedLines().
// Storing allocates nothing; dropping is an index move; a new wrap width
// only recomputes the line starts.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "display/LineWrapper.h"
#include "display/OutputBuffer.h"

namespace parlevox {

// A position in the cell ring; every value is a valid index.
using RingIndex = uint16_t;

class OutputRings {
public:
    static constexpr size_t kCells = 65536;
    static constexpr size_t kLineStarts = 16384;
    static constexpr size_t kLongestLink = 511;
    static constexpr size_t kLongestNickname = 99;

    struct DisplayLine {
        RingIndex start;
        size_t cells;   // up to the end cell or the next display line
        bool endsLine;  // the end cell follows the cells
        int indent;     // x of the first cell from the text area's left
    };

    OutputRings();

    // Measures with these widths and wraps to this layout from now on;
    // stored text is re-wrapped when either changed. True when it did.
    bool SetWrap(const CellWidths& widths, const WrapLayout& layout);
    const LineWrapper& Wrapper() const { return wrapper_; }

    // Stores a line without its trailing spaces, wrapped. A line that alone
    // would fill the cell ring is cut short.
    void AddLine(const COutputBuffer& line);
    void Clear();

    int64_t DroppedLines() const { return dropped_; }
    int64_t StoredLines() const { return static_cast<int64_t>(lineCount_); }
    size_t StoredCells() const { return cellCount_; }
    // The memory the two rings take.
    static constexpr size_t RingBytes() { return kCells * sizeof(Cell) + kLineStarts * sizeof(RingIndex); }

    // Display lines by absolute number; nothing for lines not stored.
    std::optional<DisplayLine> Line(int64_t number) const;
    const Cell& At(RingIndex index) const { return cells_[index]; }
    bool IsStored(RingIndex index) const { return OrderOf(index) < cellCount_; }
    // Distance from the oldest stored cell: the ring order of two cells.
    size_t OrderOf(RingIndex index) const { return static_cast<RingIndex>(index - oldestCell_); }
    // The display line holding a stored cell.
    int64_t LineContaining(RingIndex index) const;

    // The character whose box holds x (pixels from the text area's left).
    std::optional<RingIndex> CharacterAt(int64_t line, int x) const;
    // Where a selection starts: the character under the point, or the
    // end of the line when the point is right of its last character.
    std::optional<RingIndex> SelectionStartAt(int64_t line, int x) const;
    // Where a selection is extended to: the character under the point, else
    // the nearest one to its left, searching 4 pixels at a time and
    // continuing from the right end of the line above. Below the last line
    // counts as right of the last line.
    std::optional<RingIndex> CharacterAtOrLeftOf(int64_t line, int x) const;

    // The cells from one to the other, both included, in ring order: end
    // cells become "\r\n", other control cells are left out.
    std::string SelectionText(RingIndex from, RingIndex to) const;
    // The run of link (or nickname-marked) cells holding a cell, from its
    // start, at most 511 (99) characters; empty when the cell is not one.
    std::string LinkAt(RingIndex index) const;
    std::string NicknameAt(RingIndex index) const;
    // All stored text, lines ended by "\r\n". Stops as soon as size - 2 or
    // more bytes are written, so at most size - 1; no terminator.
    size_t GetAllText(char* buffer, size_t size) const;
    // All stored text as GetAllText gives it, however long.
    std::string AllText() const;

private:
    RingIndex NextCell() const { return static_cast<RingIndex>(oldestCell_ + cellCount_); }
    RingIndex StartOf(size_t line) const { return starts_[(oldestLine_ + line) % kLineStarts]; }
    size_t CellsOf(size_t line) const;
    int LineWidth(const DisplayLine& line) const;
    std::optional<RingIndex> SearchLeftwards(const DisplayLine& line, int x) const;
    std::string RunAt(RingIndex index, uint8_t attribute, size_t longest) const;

    void StartDisplayLine(RingIndex start);
    void DropOldestLines(size_t count);
    bool MakeRoom(size_t cells, size_t keptLines);
    void Put(const Cell& cell);
    void Rewrap();

    std::unique_ptr<Cell[]> cells_;
    std::unique_ptr<RingIndex[]> starts_;
    RingIndex oldestCell_ = 0;
    size_t cellCount_ = 0;  // at most kCells - 1: the free cell marks the ring's end
    size_t oldestLine_ = 0;
    size_t lineCount_ = 0;
    int64_t dropped_ = 0;
    LineWrapper wrapper_;
};

}  // namespace parlevox
