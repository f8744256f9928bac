#include "display/AnchoredPoint.h"

#include <algorithm>

namespace parlevox {
namespace {

int64_t Share(int size, int32_t share) {
    return (static_cast<int64_t>(size) * share) >> 8;  // arithmetic shift: rounds down
}

int Limited(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, -AnchoredPoint::kCoordinateLimit,
                                                AnchoredPoint::kCoordinateLimit));
}

}  // namespace

PixelPoint AnchoredPoint::Evaluate(int width, int height) const {
    int64_t x = int64_t{xOffset} + Share(width, xShareOfWidth) + Share(height, xShareOfHeight);
    int64_t y = int64_t{yOffset} + Share(width, yShareOfWidth) + Share(height, yShareOfHeight);
    return {Limited(x), Limited(y)};
}

bool AnchoredPoint::SameShares(const AnchoredPoint& other) const {
    return xShareOfWidth == other.xShareOfWidth && xShareOfHeight == other.xShareOfHeight &&
           yShareOfWidth == other.yShareOfWidth && yShareOfHeight == other.yShareOfHeight;
}

PixelRect AnchoredRect::Evaluate(int width, int height) const {
    PixelPoint a = topLeft.Evaluate(width, height);
    PixelPoint b = bottomRight.Evaluate(width, height);
    return {a.x, a.y, b.x, b.y};
}

void AnchoredRect::FitFixedSize(int width, int height) {
    if (!topLeft.SameShares(bottomRight)) return;
    auto plus = [](int32_t offset, int size) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t{offset} + size, INT32_MIN, INT32_MAX));
    };
    bottomRight.xOffset = plus(topLeft.xOffset, width);
    bottomRight.yOffset = plus(topLeft.yOffset, height);
}

AnchoredRect FixedRect(int left, int top, int right, int bottom) {
    AnchoredRect rect;
    rect.topLeft.xOffset = left;
    rect.topLeft.yOffset = top;
    rect.bottomRight.xOffset = right;
    rect.bottomRight.yOffset = bottom;
    return rect;
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const PixelRect& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

bool Contains(const PixelRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace parlevox
