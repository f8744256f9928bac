#pragma once
// Where display lines start when a logical line is wrapped to the width of
// the text area: after the last space of the display line when it has one,
// else after the character that reached the width. Measuring uses a copy of
// the fonts' widths, so nothing is asked of the fonts per character.
#include <array>
#include <cstddef>
#include <optional>

#include "display/CellWidths.h"
#include "display/OutputBuffer.h"

namespace parlevox {

struct WrapLayout {
    int availableWidth = 0;  // text area width minus the first-line indent
    int firstIndent = 0;
    int continuationIndent = 0;
    bool operator==(const WrapLayout&) const = default;
};

class LineWrapper {
public:
    // Until configured nothing has a width and nothing wraps.
    LineWrapper();

    // True when the widths or the layout differ from the ones in use.
    bool Configure(const CellWidths& widths, const WrapLayout& layout);
    bool Configured() const { return configured_; }
    const WrapLayout& Layout() const { return layout_; }

    // Control cells have no width.
    int Width(const Cell& cell) const {
        return cell.IsControl() ? 0 : widths_[static_cast<size_t>(FontIndexFor(cell.attr))][cell.ch];
    }

    // Positions are any numbering of the cells of one logical line that
    // rises by one per cell.
    void StartLogicalLine();
    // Measures the text cell at `position`; returns where a new display
    // line starts when this cell reached the available width. `moreText`
    // tells whether a text cell follows: no display line is started that
    // would hold nothing but the line's end.
    std::optional<size_t> Feed(size_t position, const Cell& cell, bool moreText);

private:
    using FontWidths = std::array<int, 256>;

    std::array<FontWidths, kFontCount> widths_{};
    WrapLayout layout_;
    bool configured_ = false;

    int width_ = 0;          // of the current display line, from the first-line indent
    bool hasSpace_ = false;  // on the current display line
    size_t afterSpace_ = 0;
    int widthToSpace_ = 0;   // up to and including that space
};

// Inline: it runs once for every stored character.
inline std::optional<size_t> LineWrapper::Feed(size_t position, const Cell& cell, bool moreText) {
    width_ += Width(cell);
    if (cell.ch == ' ') {
        hasSpace_ = true;
        afterSpace_ = position + 1;
        widthToSpace_ = width_;
    }
    if (width_ < layout_.availableWidth) return std::nullopt;
    const size_t start = hasSpace_ ? afterSpace_ : position + 1;
    if (start == position + 1 && !moreText) return std::nullopt;
    // Continuation lines are measured from their own indent.
    const int carried = hasSpace_ ? width_ - widthToSpace_ : 0;
    width_ = layout_.continuationIndent - layout_.firstIndent + carried;
    hasSpace_ = false;
    return start;
}

}  // namespace parlevox
