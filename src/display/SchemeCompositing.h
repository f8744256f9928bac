#pragma once
// The integer pixel arithmetic of scheme drawing: alpha compositing of
// scheme images (1:1 or area-average scaled) and fade boxes over a 24-bit
// image. Everything is clipped to the target; nothing outside it is read
// or written.
#include "display/AlphaImage.h"
#include "display/RawBitmap.h"

namespace parlevox {

// Per channel, with the source pixel's opacity A:
// destination = (A x source + (256 - A) x destination) / 256, truncated.
void CompositeImage(CRawBitmap& target, const AlphaImage& image, int x, int y);

// The image scaled to w x h by area averaging: each destination pixel
// covers a real-valued area of the source, every source pixel it touches
// counts with the share of its area inside, and all four bytes are the
// weighted averages, truncated. An empty image or size gives an empty one.
AlphaImage ScaleImage(const AlphaImage& image, int width, int height);

// CompositeImage(target, ScaleImage(image, rect size), rect.left, rect.top),
// computing only the pixels that land inside the target.
void CompositeScaled(CRawBitmap& target, const AlphaImage& image, const PixelRect& rect);

// Per channel: (colour x opacity + pixel x (256 - opacity)) / 256, truncated;
// opacity is brought into 0-256.
void BlendRect(CRawBitmap& target, const PixelRect& rect, BgrColour colour, int opacity);

// Every pixel of the image becomes the colour.
void FillImage(CRawBitmap& target, BgrColour colour);

// Whether the image's pixel bytes match its size (an image can be edited
// through its byte vector).
bool Consistent(const AlphaImage& image);

}  // namespace parlevox
