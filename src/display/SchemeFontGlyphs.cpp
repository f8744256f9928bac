#include "display/SchemeFontGlyphs.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

namespace parlevox {
namespace {

int FloorDiv3(int value) {
    return value >= 0 ? value / 3 : -((-value + 2) / 3);
}

int CeilDiv3(int value) {
    return -FloorDiv3(-value);
}

using FontKey = std::tuple<std::string, int, bool>;

}  // namespace

Glyph ReduceGlyph3x3(const Glyph& large) {
    Glyph small;
    small.advance = large.advance / 3;
    if (large.width <= 0 || large.height <= 0 ||
        large.coverage.size() < static_cast<size_t>(large.width) * static_cast<size_t>(large.height))
        return small;
    small.left = FloorDiv3(large.left);
    small.top = FloorDiv3(large.top);
    small.width = CeilDiv3(large.left + large.width) - small.left;
    small.height = CeilDiv3(large.top + large.height) - small.top;
    small.coverage.assign(static_cast<size_t>(small.width) * static_cast<size_t>(small.height), 0);
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x) {
            int sum = 0;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx) {
                    int lx = (small.left + x) * 3 + dx - large.left;
                    int ly = (small.top + y) * 3 + dy - large.top;
                    if (lx < 0 || ly < 0 || lx >= large.width || ly >= large.height) continue;
                    sum += kSmoothingWeights[static_cast<size_t>(dy * 3 + dx)] * large.At(lx, ly);
                }
            small.coverage[static_cast<size_t>(y * small.width + x)] = static_cast<uint8_t>(sum / 255);
        }
    return small;
}

std::shared_ptr<const SchemeFontGlyphs> SchemeFontGlyphs::Get(const std::string& face, int size, bool smoothing) {
    static std::mutex mutex;
    static std::map<FontKey, std::weak_ptr<const SchemeFontGlyphs>> cache;
    std::lock_guard<std::mutex> lock(mutex);
    FontKey key{face, std::clamp(size, kMinSize, kMaxSize), smoothing};
    if (auto found = cache[key].lock()) return found;
    std::erase_if(cache, [](const auto& entry) { return entry.second.expired(); });
    auto made = std::make_shared<const SchemeFontGlyphs>(face, size, smoothing);
    cache[key] = made;
    return made;
}

SchemeFontGlyphs::SchemeFontGlyphs(const std::string& face, int size, bool smoothing) : smoothing_(smoothing) {
    size = std::clamp(size, kMinSize, kMaxSize);
    for (size_t index = 0; index < kFontCount; ++index) {
        FontSpec spec{face, smoothing ? size * 3 : size};
        spec.bold = index == kBold || index == kBoldItalic;
        spec.italic = index == kItalic || index == kBoldItalic;
        spec.underline = index == kUnderlined;
        spec.monochrome = smoothing;
        Make(index, spec);
    }
}

void SchemeFontGlyphs::Make(size_t index, const FontSpec& spec) {
    std::shared_ptr<const RasterFont> raster = RasterFont::Create(spec);
    if (index == kNormal) filePath_ = raster->FilePath();
    Font& font = fonts_[index];
    int divisor = smoothing_ ? 3 : 1;
    font.characterHeight = raster->Height() / divisor;
    font.lineHeight = std::max(1, (raster->Height() + raster->ExternalLeading()) / divisor);
    for (int c = 32; c < 256; ++c) {
        const Glyph& glyph = raster->GlyphFor(static_cast<unsigned char>(c));
        font.glyphs[static_cast<size_t>(c)] = smoothing_ ? ReduceGlyph3x3(glyph) : glyph;
        advances_[index][static_cast<size_t>(c)] = font.glyphs[static_cast<size_t>(c)].advance;
    }
}

int SchemeFontGlyphs::TextWidth(int font, std::string_view text) const {
    const std::array<int, 256>& advances = advances_[Checked(font)];
    int width = 0;
    for (char c : text) width += advances[static_cast<unsigned char>(c)];
    return width;
}

}  // namespace parlevox
