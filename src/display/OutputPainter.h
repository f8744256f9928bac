#pragma once
// Painting of an output pane: the layout the scheme gives its text area,
// the scheme background and hot spot pictures cached per client size, and
// the visible display lines drawn over them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "display/CellWidths.h"
#include "display/LineWrapper.h"
#include "display/OutputPaneModel.h"
#include "display/Scheme.h"

namespace parlevox {

// Where the text goes in a client of width x height.
struct PaneLayout {
    int width = 0, height = 0;
    PixelRect text;
    int firstIndent = 0;
    int continuationIndent = 0;
    int lineHeight = 1;
    int visibleLines = 0;

    static PaneLayout From(const CScheme& scheme, int width, int height);
    WrapLayout Wrap() const { return {text.right - text.left - firstIndent, firstIndent, continuationIndent}; }
};

// Cell widths as the painter draws them: a control character below 0x1B
// shows as the letter 0x40 above it, and takes that letter's width.
class PaneCellWidths final : public CellWidths {
public:
    explicit PaneCellWidths(std::shared_ptr<const SchemeFontGlyphs> glyphs) : glyphs_(std::move(glyphs)) {}
    int Width(int fontIndex, unsigned char ch) const override { return glyphs_->Width(fontIndex, Shown(ch)); }
    static unsigned char Shown(unsigned char ch) { return ch <= 0x1A ? static_cast<unsigned char>(ch + 0x40) : ch; }

private:
    std::shared_ptr<const SchemeFontGlyphs> glyphs_;
};

// The y of the display line at the scroll position. The last visible line
// ends at the text area's bottom once the view has scrolled past the first
// stored line or the lines fill the area; otherwise they start at its top.
int FirstLineTop(const PaneLayout& layout, const OutputPaneModel& model);

// Cells from one to the other, both included, in ring order.
struct PaneSelection {
    bool active = false;
    RingIndex from = 0, to = 0;
    bool Holds(const OutputRings& rings, RingIndex cell) const;
};

class OutputPainter {
public:
    // Forgets the background and the hot spot pictures.
    void DropCaches();

    // The whole client painted; the image is the client's size.
    const CRawBitmap& Paint(const CScheme& scheme, const SchemeFontGlyphs& glyphs, const PaneLayout& layout,
                            const OutputPaneModel& model, HotspotState hotspot, const PaneSelection& selection);
    const CRawBitmap& Image() const { return image_; }

    // A hot spot's mouse-over or pressed picture, rendered at first use;
    // null when the hot spot has none.
    const HotspotPicture* Picture(const CScheme& scheme, const PaneLayout& layout, int number, bool pressed);

private:
    struct HotspotPictures {
        bool made = false;
        std::optional<HotspotPicture> over, pressed;
    };
    void MakeBackground(const CScheme& scheme, const PaneLayout& layout);
    void DrawLines(const CScheme& scheme, const SchemeFontGlyphs& glyphs, const PaneLayout& layout,
                   const OutputPaneModel& model, const PaneSelection& selection);

    bool cached_ = false;
    CRawBitmap background_;
    CRawBitmap image_;
    std::vector<HotspotPictures> hotspots_;
    std::string piece_;  // reused for every run of cells
};

}  // namespace parlevox
