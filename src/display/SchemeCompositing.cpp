#include "display/SchemeCompositing.h"

#include <algorithm>
#include <vector>

#include "display/AnchoredPoint.h"

namespace parlevox {
namespace {

PixelRect Bounds(const CRawBitmap& target) {
    return {0, 0, target.Width(), target.Height()};
}

// Blue and red travel together in one word, in 16-bit lanes: a x source +
// (256 - a) x destination stays below 65536, so the lanes never carry into
// each other and each is truncated exactly as on its own.
inline void CompositePixel(uint8_t* __restrict destination, const uint8_t* __restrict source) {
    const uint32_t opacity = source[0], rest = 256 - opacity;
    const uint32_t sourceBlueRed = source[1] | (uint32_t{source[3]} << 16);
    const uint32_t destinationBlueRed = destination[0] | (uint32_t{destination[2]} << 16);
    const uint32_t blueRed = (sourceBlueRed * opacity + destinationBlueRed * rest) >> 8;
    destination[0] = static_cast<uint8_t>(blueRed);
    destination[1] = static_cast<uint8_t>((opacity * source[2] + rest * destination[1]) >> 8);
    destination[2] = static_cast<uint8_t>(blueRed >> 16);
}

// For each destination index of one axis in [from, to): the source pixels
// its span touches and how much of each (in 1/destination-size units of a
// source pixel, so the weights of one destination index sum to the source
// size). Every index gets the same number of taps, padded with zero
// weights on pixels that exist, so the loops have a fixed shape.
struct AxisTaps {
    int per = 1;
    std::vector<int> first;         // per destination index
    std::vector<uint32_t> weights;  // per taps each
};

AxisTaps MakeTaps(int sourceSize, int destinationSize, int from, int to) {
    const int64_t src = sourceSize, dst = destinationSize;
    auto span = [&](int64_t i) {
        int64_t lo = i * src, hi = (i + 1) * src;  // in units where a source pixel is dst long
        return std::pair{lo, hi};
    };
    AxisTaps taps;
    for (int64_t i = from; i < to; ++i) {
        auto [lo, hi] = span(i);
        taps.per = std::max<int>(taps.per, static_cast<int>((hi + dst - 1) / dst - lo / dst));
    }
    taps.per = std::min(taps.per, sourceSize);
    taps.weights.assign(static_cast<size_t>(to - from) * static_cast<size_t>(taps.per), 0);
    for (int64_t i = from; i < to; ++i) {
        auto [lo, hi] = span(i);
        int64_t k = lo / dst;
        int64_t first = std::min<int64_t>(k, src - taps.per);
        taps.first.push_back(static_cast<int>(first));
        uint32_t* weights = &taps.weights[static_cast<size_t>(i - from) * static_cast<size_t>(taps.per)];
        for (; k * dst < hi && k < src; ++k)
            weights[k - first] = static_cast<uint32_t>(std::min(hi, (k + 1) * dst) - std::max(lo, k * dst));
    }
    return taps;
}

// floor(total / area), exactly: totals stay below 2^53 and the area below
// 2^31, so (total + 0.5) / area never lands within rounding error of a
// whole number.
template <typename Total>
inline uint8_t Divided(Total total, double inverseArea) {
    return static_cast<uint8_t>(static_cast<int>((static_cast<double>(total) + 0.5) * inverseArea));
}

// Area-average scaling, one destination row at a time: source rows are
// summed across (horizontal pass) once each into a small ring of rows,
// then the rows a destination row covers are summed down and divided.
class ScaledRows {
public:
    ScaledRows(const AlphaImage& image, int width, int height, const PixelRect& visible)
        : image_(image),
          columns_(MakeTaps(image.Width(), width, visible.left, visible.right)),
          rows_(MakeTaps(image.Height(), height, visible.top, visible.bottom)),
          visibleWidth_(static_cast<size_t>(visible.right - visible.left)),
          inverseArea_(1.0 / (static_cast<double>(image.Width()) * image.Height())),
          smallTotals_(static_cast<double>(image.Width()) * image.Height() * 255 < 2147483648.0) {
        if (!rows_.first.empty()) computedUpTo_ = rows_.first.front();
        sums_.assign(static_cast<size_t>(rows_.per) * visibleWidth_ * 4, 0);
    }

    // The four bytes of the scaled pixels of visible row j, in order.
    void Row(size_t j, uint8_t* out) {
        const int first = rows_.first[j];
        while (computedUpTo_ < first + rows_.per) SumRow(computedUpTo_++);
        const uint32_t* weights = &rows_.weights[j * static_cast<size_t>(rows_.per)];
        if (smallTotals_)
            SumDown<int32_t>(first, weights, out);
        else
            SumDown<uint64_t>(first, weights, out);
    }

private:
    uint32_t* Slot(int sourceRow) {
        return sums_.data() + static_cast<size_t>(sourceRow % rows_.per) * visibleWidth_ * 4;
    }

    template <typename Total>
    void SumDown(int first, const uint32_t* weights, uint8_t* __restrict out) {
        const size_t n = visibleWidth_ * 4;
        const double inverseArea = inverseArea_;
        if (rows_.per == 1) {
            const uint32_t* __restrict a = Slot(first);
            const Total wa = weights[0];
            for (size_t k = 0; k < n; ++k) out[k] = Divided<Total>(wa * a[k], inverseArea);
        } else if (rows_.per == 2) {
            const uint32_t* __restrict a = Slot(first);
            const uint32_t* __restrict b = Slot(first + 1);
            const Total wa = weights[0], wb = weights[1];
            for (size_t k = 0; k < n; ++k) out[k] = Divided<Total>(wa * a[k] + wb * b[k], inverseArea);
        } else {
            rowSums_.clear();
            for (int t = 0; t < rows_.per; ++t) rowSums_.push_back(Slot(first + t));
            for (size_t k = 0; k < n; ++k) {
                Total total = 0;
                for (int t = 0; t < rows_.per; ++t) total += static_cast<Total>(weights[t]) * rowSums_[t][k];
                out[k] = Divided<Total>(total, inverseArea);
            }
        }
    }

    // Horizontal pass of one source row into its slot.
    void SumRow(int sourceRow) {
        switch (columns_.per) {
            case 1: return SumRowOf<1>(sourceRow);
            case 2: return SumRowOf<2>(sourceRow);
            case 3: return SumRowOf<3>(sourceRow);
            default: return SumRowOf<0>(sourceRow);
        }
    }

    // kPer taps per column; 0 for any number.
    template <int kPer>
    void SumRowOf(int sourceRow) {
        uint32_t* __restrict out = Slot(sourceRow);
        const uint8_t* __restrict row = image_.Pixel(0, sourceRow);
        const int* first = columns_.first.data();
        const uint32_t* weights = columns_.weights.data();
        const int per = kPer ? kPer : columns_.per;
        for (size_t i = 0; i < visibleWidth_; ++i, weights += per, out += 4) {
            const uint8_t* pixel = row + static_cast<size_t>(first[i]) * 4;
            uint32_t sum[4] = {0, 0, 0, 0};
            for (int t = 0; t < per; ++t)
                for (int c = 0; c < 4; ++c) sum[c] += weights[t] * pixel[t * 4 + c];
            for (int c = 0; c < 4; ++c) out[c] = sum[c];
        }
    }

    const AlphaImage& image_;
    AxisTaps columns_, rows_;
    size_t visibleWidth_;
    double inverseArea_;
    bool smallTotals_;
    int computedUpTo_ = 0;
    std::vector<uint32_t> sums_;
    std::vector<const uint32_t*> rowSums_;
};

}  // namespace

bool Consistent(const AlphaImage& image) {
    return image.Width() >= 0 && image.Height() >= 0 &&
           image.Pixels().size() == static_cast<size_t>(image.Width()) * image.Height() * AlphaImage::kBytesPerPixel;
}

void CompositeImage(CRawBitmap& target, const AlphaImage& image, int x, int y) {
    if (!target.IsTrueColour() || !Consistent(image)) return;
    PixelRect placed{x, y, x + image.Width(), y + image.Height()};
    PixelRect area = Intersect(placed, Bounds(target));
    if (IsEmpty(area)) return;
    for (int row = area.top; row < area.bottom; ++row) {
        const uint8_t* source = image.Pixel(area.left - x, row - y);
        uint8_t* destination = target.Row(row) + static_cast<size_t>(area.left) * 3;
        for (int column = area.left; column < area.right; ++column, source += 4, destination += 3)
            CompositePixel(destination, source);
    }
}

AlphaImage ScaleImage(const AlphaImage& image, int width, int height) {
    if (!Consistent(image) || image.Width() == 0 || image.Height() == 0 || width <= 0 || height <= 0 ||
        !CRawBitmap::ValidSize(width, height))
        return {};
    AlphaImage scaled(width, height);
    ScaledRows rows(image, width, height, {0, 0, width, height});
    for (int j = 0; j < height; ++j) rows.Row(static_cast<size_t>(j), scaled.Pixel(0, j));
    return scaled;
}

void CompositeScaled(CRawBitmap& target, const AlphaImage& image, const PixelRect& rect) {
    if (!target.IsTrueColour() || !Consistent(image) || image.Width() == 0 || image.Height() == 0 || IsEmpty(rect))
        return;
    PixelRect area = Intersect(rect, Bounds(target));
    if (IsEmpty(area)) return;
    PixelRect visible{area.left - rect.left, area.top - rect.top, area.right - rect.left, area.bottom - rect.top};
    ScaledRows rows(image, rect.right - rect.left, rect.bottom - rect.top, visible);
    std::vector<uint8_t> line(static_cast<size_t>(area.right - area.left) * 4);
    for (int y = area.top; y < area.bottom; ++y) {
        rows.Row(static_cast<size_t>(y - area.top), line.data());
        uint8_t* destination = target.Row(y) + static_cast<size_t>(area.left) * 3;
        for (size_t i = 0; i < line.size(); i += 4, destination += 3) CompositePixel(destination, &line[i]);
    }
}

void BlendRect(CRawBitmap& target, const PixelRect& rect, BgrColour colour, int opacity) {
    if (!target.IsTrueColour()) return;
    PixelRect area = Intersect(rect, Bounds(target));
    if (IsEmpty(area)) return;
    const uint16_t weight = static_cast<uint16_t>(std::clamp(opacity, 0, 256));
    const uint16_t rest = static_cast<uint16_t>(256 - weight);
    // colour x opacity for every byte of a row; colour x opacity + pixel x
    // (256 - opacity) is at most 255 x 256, so 16 bits hold it.
    const size_t bytes = static_cast<size_t>(area.right - area.left) * 3;
    std::vector<uint16_t> tinted(bytes);
    for (size_t k = 0; k < bytes; k += 3) {
        tinted[k] = static_cast<uint16_t>(colour.blue * weight);
        tinted[k + 1] = static_cast<uint16_t>(colour.green * weight);
        tinted[k + 2] = static_cast<uint16_t>(colour.red * weight);
    }
    const uint16_t* __restrict tint = tinted.data();
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t* __restrict pixel = target.Row(y) + static_cast<size_t>(area.left) * 3;
        for (size_t k = 0; k < bytes; ++k)
            pixel[k] = static_cast<uint8_t>(static_cast<uint16_t>(tint[k] + pixel[k] * rest) >> 8);
    }
}

void FillImage(CRawBitmap& target, BgrColour colour) {
    if (!target.IsTrueColour() || target.Empty()) return;
    uint8_t* first = target.Row(0);
    for (int x = 0; x < target.Width(); ++x) {
        first[x * 3] = colour.blue;
        first[x * 3 + 1] = colour.green;
        first[x * 3 + 2] = colour.red;
    }
    for (int y = 1; y < target.Height(); ++y) std::copy_n(first, target.Stride(), target.Row(y));
}

}  // namespace parlevox
