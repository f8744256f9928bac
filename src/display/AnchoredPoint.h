#pragma once
// Positions in a scheme are relative to the window's size: an offset in
// pixels plus shares (in 1/256) of the width and of the height, for x and y
// alike. Each share product is shifted right by 8 with its sign, so negative
// products round down.
#include <cstdint>

#include "display/RawBitmap.h"

namespace parlevox {

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct AnchoredPoint {
    int32_t xOffset = 0;
    int32_t xShareOfWidth = 0;
    int32_t xShareOfHeight = 0;
    int32_t yOffset = 0;
    int32_t yShareOfWidth = 0;
    int32_t yShareOfHeight = 0;

    // Results are kept within +-kCoordinateLimit, so that adding a drawing
    // offset or taking a difference never overflows.
    static constexpr int kCoordinateLimit = 1 << 28;

    PixelPoint Evaluate(int width, int height) const;
    bool SameShares(const AnchoredPoint& other) const;
    bool operator==(const AnchoredPoint&) const = default;
};

// The bottom-right point is exclusive.
struct AnchoredRect {
    AnchoredPoint topLeft;
    AnchoredPoint bottomRight;

    // An inverted rectangle stays inverted: callers treat it as empty.
    PixelRect Evaluate(int width, int height) const;
    // A rectangle whose two points have the same shares has one size in
    // every window; it takes the given size, keeping its top left.
    void FitFixedSize(int width, int height);
    bool operator==(const AnchoredRect&) const = default;
};

// From the two corners' offsets alone (shares 0).
AnchoredRect FixedRect(int left, int top, int right, int bottom);

// The intersection of two rectangles; empty (right <= left or bottom <= top)
// when they do not overlap.
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
bool IsEmpty(const PixelRect& rect);
bool Contains(const PixelRect& rect, int x, int y);

}  // namespace parlevox
