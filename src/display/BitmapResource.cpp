#include "display/BitmapResource.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/InternalErrorReport.h"
#include "display/BmpHeader.h"
#include "platform/Resources.h"

namespace parlevox {
namespace {

constexpr uint8_t kRunCode = 255;
// The most pixels three bytes of run-length code can stand for.
constexpr size_t kLongestRun = 255;

// Bottom-first padded rows into the bitmap's top-down rows.
void CopyRowsBottomFirst(const uint8_t* rows, CRawBitmap& bitmap) {
    size_t stride = bitmap.Stride();
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(bitmap.Row(bitmap.Height() - 1 - y), rows + static_cast<size_t>(y) * stride, stride);
}

}  // namespace

bool BitmapResource::DecodeRunLength(std::string_view stream, std::span<uint8_t> out) {
    size_t in = 0, filled = 0;
    while (filled < out.size()) {
        if (in >= stream.size()) return false;
        uint8_t code = static_cast<uint8_t>(stream[in++]);
        if (code != kRunCode) {
            out[filled++] = code;
            continue;
        }
        if (stream.size() - in < 2) return false;
        size_t count = static_cast<uint8_t>(stream[in]);
        uint8_t value = static_cast<uint8_t>(stream[in + 1]);
        in += 2;
        count = std::min(count, out.size() - filled);
        std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(filled), count, value);
        filled += count;
    }
    return true;
}

std::optional<CRawBitmap> BitmapResource::Decode(std::string_view fileImage) {
    std::optional<BmpHeader> header = BmpHeader::Parse(fileImage);
    if (!header || fileImage.substr(0, 2) != "BM" || header->bitsPerPixel != 8) return std::nullopt;
    if (header->compression != 0 && header->compression != BmpHeader::kRunLengthCompression) return std::nullopt;
    if (header->width <= 0 || header->height <= 0 || !CRawBitmap::ValidSize(header->width, header->height))
        return std::nullopt;
    if (fileImage.size() < BmpHeader::kHeadersSize + CRawBitmap::kColourTableSize) return std::nullopt;
    if (header->pixelOffset > fileImage.size()) return std::nullopt;
    // The claimed size is checked against the data before anything is
    // allocated for it: a small file claiming 32767 x 32767 must not cost
    // gigabytes.
    std::string_view data = fileImage.substr(header->pixelOffset);
    size_t rowBytes = static_cast<size_t>(header->height) * CRawBitmap::StrideFor(header->width, false);
    size_t mostPixels = header->compression == 0 ? data.size() : data.size() / 3 * kLongestRun + data.size() % 3;
    if (rowBytes > mostPixels) return std::nullopt;

    CRawBitmap bitmap = CRawBitmap::Palette(header->width, header->height);
    std::memcpy(bitmap.Colours().data(), fileImage.data() + BmpHeader::kHeadersSize, CRawBitmap::kColourTableSize);
    std::vector<uint8_t> rows(bitmap.Pixels().size());
    if (header->compression == 0) {
        std::memcpy(rows.data(), data.data(), rows.size());
    } else if (!DecodeRunLength(data, rows)) {
        return std::nullopt;
    }
    CopyRowsBottomFirst(rows.data(), bitmap);
    return bitmap;
}

std::optional<CRawBitmap> BitmapResource::Load(std::string_view name, bool shaded) {
    std::optional<std::string_view> image = Resources::Find(name, Resources::kBitmapType);
    std::optional<CRawBitmap> bitmap = image ? Decode(*image) : std::nullopt;
    if (!bitmap) {
        PARLEVOX_INTERNAL_ERROR();
        return std::nullopt;
    }
    if (shaded) bitmap->AddShadedColours();
    return bitmap;
}

}  // namespace parlevox
