#include "display/LineWrapper.h"

#include <algorithm>
#include <limits>

namespace parlevox {
namespace {

// Keep the sum over a display line of 65,536 cells, plus an indent, within
// an int whatever the scheme says.
constexpr int kWidestCharacter = 4096;
constexpr int kFarthest = 1 << 20;

WrapLayout Bounded(WrapLayout layout) {
    for (int* value : {&layout.availableWidth, &layout.firstIndent, &layout.continuationIndent})
        *value = std::clamp(*value, -kFarthest, kFarthest);
    return layout;
}

}  // namespace

LineWrapper::LineWrapper() {
    layout_.availableWidth = std::numeric_limits<int>::max();
}

bool LineWrapper::Configure(const CellWidths& widths, const WrapLayout& wanted) {
    const WrapLayout layout = Bounded(wanted);
    std::array<FontWidths, kFontCount> measured{};
    for (int font = 0; font < kFontCount; ++font)
        for (int ch = 0; ch < 256; ++ch)
            measured[static_cast<size_t>(font)][static_cast<size_t>(ch)] =
                std::clamp(widths.Width(font, static_cast<unsigned char>(ch)), 0, kWidestCharacter);
    const bool changed = !configured_ || measured != widths_ || layout != layout_;
    widths_ = measured;
    layout_ = layout;
    configured_ = true;
    return changed;
}

void LineWrapper::StartLogicalLine() {
    width_ = 0;
    hasSpace_ = false;
}

}  // namespace parlevox
