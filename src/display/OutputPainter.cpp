#include "display/OutputPainter.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "display/SchemeTextPainter.h"

namespace parlevox {
namespace {

struct CellLook {
    int font;
    BgrColour foreground;
    std::optional<BgrColour> background;
    bool operator==(const CellLook&) const = default;
};

BgrColour Average(BgrColour a, BgrColour b) {
    return {static_cast<uint8_t>((a.blue + b.blue) / 2), static_cast<uint8_t>((a.green + b.green) / 2),
            static_cast<uint8_t>((a.red + b.red) / 2)};
}

CellLook LookOf(const CScheme& scheme, const Cell& cell, bool selected) {
    const int font = FontIndexFor(cell.attr);
    if (cell.ch <= 0x1A) {
        BgrColour foreground = scheme.Colour(1), background = Average(scheme.Colour(0), scheme.Colour(1));
        if (selected) std::swap(foreground, background);
        return {font, foreground, background};
    }
    int fore = cell.Foreground(), back = cell.Background();
    if (selected) std::swap(fore, back);
    CellLook look{font, scheme.Colour(fore), std::nullopt};
    if (back != 0) look.background = scheme.Colour(back);
    if (cell.attr & cellattr::kReverse) {
        look.background = look.foreground;
        look.foreground = scheme.Colour(back);  // colour 0 when there is no background
    }
    return look;
}

// The runs of a display line's cells that look the same, in order, as the
// text to draw: each cell as PaneCellWidths::Shown has it. A control cell
// shows nothing and does not end a run; a run that starts at one takes its
// look.
class LinePieces {
public:
    struct Piece {
        CellLook look;
        std::string_view text;
    };

    class Iterator {
    public:
        Iterator(const LinePieces& pieces, size_t done) : pieces_(&pieces), done_(done) { Advance(); }
        const Piece& operator*() const { return piece_; }
        Iterator& operator++() {
            Advance();
            return *this;
        }
        bool operator!=(std::default_sentinel_t) const { return !finished_; }

    private:
        void Advance();

        const LinePieces* pieces_;
        size_t done_;
        Piece piece_{};
        bool finished_ = false;
    };

    // `text` holds the current piece's characters.
    LinePieces(const CScheme& scheme, const OutputRings& rings, const PaneSelection& selection,
               const OutputRings::DisplayLine& line, std::string& text)
        : scheme_(scheme), rings_(rings), selection_(selection), line_(line), text_(text) {}

    Iterator begin() const { return Iterator(*this, 0); }
    std::default_sentinel_t end() const { return {}; }

private:
    CellLook LookAt(RingIndex index) const {
        return LookOf(scheme_, rings_.At(index), selection_.Holds(rings_, index));
    }

    const CScheme& scheme_;
    const OutputRings& rings_;
    const PaneSelection& selection_;
    const OutputRings::DisplayLine& line_;
    std::string& text_;
};

void LinePieces::Iterator::Advance() {
    const LinePieces& p = *pieces_;
    if (done_ >= p.line_.cells) {
        finished_ = true;
        return;
    }
    auto index = static_cast<RingIndex>(p.line_.start + done_);
    const CellLook look = p.LookAt(index);
    p.text_.clear();
    for (; done_ < p.line_.cells; ++done_, ++index) {
        const Cell& cell = p.rings_.At(index);
        if (cell.IsControl()) continue;
        if (!(p.LookAt(index) == look)) break;
        p.text_.push_back(static_cast<char>(PaneCellWidths::Shown(cell.ch)));
    }
    piece_ = {look, p.text_};
}

}  // namespace

PaneLayout PaneLayout::From(const CScheme& scheme, int width, int height) {
    PaneLayout layout;
    layout.width = std::max(width, 0);
    layout.height = std::max(height, 0);
    const TextMargins& margins = scheme.Margins();
    layout.text = margins.rect.Evaluate(layout.width, layout.height);
    layout.firstIndent = margins.firstLineIndent;
    layout.continuationIndent = margins.continuationIndent;
    layout.lineHeight = std::max(scheme.TextFont().Glyphs().LineHeight(SchemeFontGlyphs::kNormal), 1);
    const int64_t textHeight = int64_t{layout.text.bottom} - layout.text.top;
    if (textHeight > 0)
        layout.visibleLines = static_cast<int>((textHeight + layout.lineHeight - 1) / layout.lineHeight);
    return layout;
}

int FirstLineTop(const PaneLayout& layout, const OutputPaneModel& model) {
    const OutputScroll& scroll = model.Scroll();
    const int64_t first = model.Rings().DroppedLines();
    const int64_t available = first + model.Rings().StoredLines() - scroll.Position();
    const int64_t shown = std::clamp<int64_t>(available, 0, layout.visibleLines);
    const bool bottomAligned = scroll.Position() > first || available >= layout.visibleLines;
    if (!bottomAligned) return layout.text.top;
    return static_cast<int>(layout.text.bottom - shown * layout.lineHeight);
}

bool PaneSelection::Holds(const OutputRings& rings, RingIndex cell) const {
    if (!active) return false;
    const size_t a = rings.OrderOf(from), b = rings.OrderOf(to), order = rings.OrderOf(cell);
    return order >= std::min(a, b) && order <= std::max(a, b);
}

void OutputPainter::DropCaches() {
    cached_ = false;
    background_ = CRawBitmap();
    hotspots_.clear();
}

void OutputPainter::MakeBackground(const CScheme& scheme, const PaneLayout& layout) {
    background_ = CRawBitmap::TrueColour(layout.width, layout.height);
    if (!background_.Empty()) scheme.Draw(background_, layout.width, layout.height);
    hotspots_.assign(static_cast<size_t>(std::max(scheme.HotspotCount(), 0)), HotspotPictures{});
    cached_ = true;
}

const HotspotPicture* OutputPainter::Picture(const CScheme& scheme, const PaneLayout& layout, int number,
                                             bool pressed) {
    if (!cached_) MakeBackground(scheme, layout);
    if (number < 0 || static_cast<size_t>(number) >= hotspots_.size()) return nullptr;
    HotspotPictures& pictures = hotspots_[static_cast<size_t>(number)];
    if (!pictures.made) {
        pictures.over = scheme.RenderHotspot(number, false, layout.width, layout.height);
        pictures.pressed = scheme.RenderHotspot(number, true, layout.width, layout.height);
        pictures.made = true;
    }
    const std::optional<HotspotPicture>& picture = pressed ? pictures.pressed : pictures.over;
    return picture ? &*picture : nullptr;
}

const CRawBitmap& OutputPainter::Paint(const CScheme& scheme, const SchemeFontGlyphs& glyphs,
                                       const PaneLayout& layout, const OutputPaneModel& model,
                                       HotspotState hotspot, const PaneSelection& selection) {
    if (!cached_) MakeBackground(scheme, layout);
    image_ = background_;
    if (image_.Empty()) return image_;
    if (hotspot.number >= 0) {
        if (const HotspotPicture* picture = Picture(scheme, layout, hotspot.number, hotspot.pressed))
            picture->image.DrawTo(image_, picture->rect.left, picture->rect.top);
    }
    DrawLines(scheme, glyphs, layout, model, selection);
    return image_;
}

void OutputPainter::DrawLines(const CScheme& scheme, const SchemeFontGlyphs& glyphs, const PaneLayout& layout,
                              const OutputPaneModel& model, const PaneSelection& selection) {
    const PixelRect clip = Intersect(layout.text, {0, 0, layout.width, layout.height});
    if (IsEmpty(clip)) return;
    const OutputRings& rings = model.Rings();
    SchemeTextPainter painter(image_, glyphs, clip);
    int top = FirstLineTop(layout, model);
    for (int i = 0; i < layout.visibleLines; ++i, top += layout.lineHeight) {
        const auto line = rings.Line(model.Scroll().Position() + i);
        if (!line) break;
        if (top >= clip.bottom) break;
        if (top + layout.lineHeight <= clip.top) continue;
        int x = layout.text.left + line->indent;
        for (const LinePieces::Piece& piece : LinePieces(scheme, rings, selection, *line, piece_)) {
            if (x >= clip.right) break;
            x += painter.DrawPiece(x, top, piece.look.font, piece.text, piece.look.foreground, piece.look.background);
        }
    }
}

}  // namespace parlevox
