#pragma once
// The scheme the drawing benchmarks paint: a 640 x 400 picture scaled over
// the whole client, a 200 x 100 logo drawn 1:1 in the bottom-right corner,
// and a fade box over the text area.
#include <memory>

#include "display/Scheme.h"

namespace parlevox::bench {

inline std::unique_ptr<CSchemeImage> Picture(const char* name, int width, int height, AnchoredRect rect) {
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = image->Image().Pixel(x, y);  // opacity, blue, green, red
            pixel[0] = static_cast<uint8_t>(128 + (x + y) % 128);
            pixel[1] = static_cast<uint8_t>(x);
            pixel[2] = static_cast<uint8_t>(y);
            pixel[3] = static_cast<uint8_t>(x ^ y);
        }
    image->Rect() = rect;
    return image;
}

// textLines > 0 makes the text area exactly that many lines of the text font high.
inline void FillSampleScheme(CScheme& scheme, int textLines = 0) {
    AnchoredRect whole{{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}};
    scheme.AppendToDrawOrder(scheme.AddItem(Picture("backdrop", 640, 400, whole)));
    scheme.AppendToDrawOrder(
        scheme.AddItem(Picture("logo", 200, 100, {{-210, 256, 0, -110, 0, 256}, {-10, 256, 0, -10, 0, 256}})));
    if (textLines > 0) {
        TextMargins margins = scheme.Margins();
        const int lineHeight = scheme.TextFont().Glyphs().LineHeight();
        margins.rect.bottomRight = {-8, 256, 0, 8 + textLines * lineHeight, 0, 0};
        scheme.SetMargins(margins);
    }
    auto fade = std::make_unique<CSchemeFadebox>("fade");
    fade->Rect() = scheme.Margins().rect;
    fade->SetOpacity(160);
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(fade)));
}

}  // namespace parlevox::bench
