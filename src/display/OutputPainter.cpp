#include "display/OutputPainter.h"

#include <algorithm>
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
        size_t done = 0;
        while (done < line->cells && x < clip.right) {
            auto index = static_cast<RingIndex>(line->start + done);
            const CellLook look = LookOf(scheme, rings.At(index), selection.Holds(rings, index));
            piece_.clear();
            for (; done < line->cells; ++done, ++index) {
                const Cell& cell = rings.At(index);
                if (cell.IsControl()) continue;
                if (!(LookOf(scheme, cell, selection.Holds(rings, index)) == look)) break;
                piece_.push_back(static_cast<char>(PaneCellWidths::Shown(cell.ch)));
            }
            x += painter.DrawPiece(x, top, look.font, piece_, look.foreground, look.background);
        }
    }
}

}  // namespace parlevox
