#include "display/PngFile.h"

#include <zlib.h>

#include <cstdlib>
#include <vector>

#include "common/TextError.h"

namespace parlevox {
namespace {

constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};

void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 255);
}

uint32_t BigEndianAt(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    std::string body = type + data;
    out += body;
    PutBigEndian(out, static_cast<uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

int Paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up),
              toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Undoes the row filters in place; rows are 1 filter byte then rowBytes.
void Unfilter(std::string& data, size_t rowBytes, int height, size_t pixelBytes) {
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint8_t*>(data.data()) + y * (rowBytes + 1);
        const uint8_t* up = y > 0 ? row - (rowBytes + 1) : nullptr;
        const uint8_t filter = row[0];
        if (filter > 4) throw TextError("the picture data is damaged (unknown row filter)");
        for (size_t x = 1; x <= rowBytes; ++x) {
            const int left = x > pixelBytes ? row[x - pixelBytes] : 0;
            const int above = up ? up[x] : 0;
            const int upLeft = up && x > pixelBytes ? up[x - pixelBytes] : 0;
            const int predictors[] = {0, left, above, (left + above) / 2, Paeth(left, above, upLeft)};
            row[x] = static_cast<uint8_t>(row[x] + predictors[filter]);
        }
    }
}

}  // namespace

std::string EncodePng(const CRawBitmap& bitmap) {
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height()) * 3);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const BgrColour colour = bitmap.PixelColour(x, y);
            rgb.insert(rgb.end(), {colour.red, colour.green, colour.blue});
        }
    return EncodeRgbPng(bitmap.Width(), bitmap.Height(), rgb);
}

std::string EncodeRgbPng(int width, int height, const std::vector<uint8_t>& rgb) {
    std::string raw;  // each row: filter type 0, then red, green, blue per pixel
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(rgb.data()) + static_cast<size_t>(y) * rowBytes, rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), 9);
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, standard filters, no interlace
    std::string png(kSignature);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", "");
    return png;
}

CRawBitmap DecodePng(std::string_view png) {
    if (!png.starts_with(kSignature)) throw TextError("not a PNG file");
    std::string header, packed;
    for (size_t at = kSignature.size(); at + 12 <= png.size();) {
        const uint32_t length = BigEndianAt(png, at);
        if (length > png.size() - at - 12) throw TextError("the PNG file is cut short");
        const std::string_view type = png.substr(at + 4, 4);
        const std::string_view data = png.substr(at + 8, length);
        if (type == "IHDR") header = data;
        if (type == "IDAT") packed += data;
        if (type == "IEND") break;
        at += 12 + length;
    }
    if (header.size() != 13) throw TextError("the PNG file has no proper header");
    const uint32_t width = BigEndianAt(header, 0), height = BigEndianAt(header, 4);
    const int depth = header[8], colourType = header[9], interlace = header[12];
    if (depth != 8 || (colourType != 2 && colourType != 6) || interlace != 0)
        throw TextError("only 8-bit RGB or RGBA pictures without interlacing are read");
    if (!CRawBitmap::ValidSize(static_cast<int>(width), static_cast<int>(height)) || width > 4096 || height > 4096)
        throw TextError("the picture's size is out of range");
    const size_t pixelBytes = colourType == 2 ? 3 : 4;
    const size_t rowBytes = width * pixelBytes;
    std::string data((rowBytes + 1) * height, '\0');
    uLongf dataSize = static_cast<uLongf>(data.size());
    if (uncompress(reinterpret_cast<Bytef*>(data.data()), &dataSize, reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        dataSize != data.size())
        throw TextError("the picture data is damaged");
    Unfilter(data, rowBytes, static_cast<int>(height), pixelBytes);

    CRawBitmap bitmap = CRawBitmap::TrueColour(static_cast<int>(width), static_cast<int>(height));
    for (uint32_t y = 0; y < height; ++y) {
        const char* source = data.data() + y * (rowBytes + 1) + 1;
        uint8_t* target = bitmap.Row(static_cast<int>(y));
        for (uint32_t x = 0; x < width; ++x, source += pixelBytes, target += 3) {
            target[0] = static_cast<uint8_t>(source[2]);
            target[1] = static_cast<uint8_t>(source[1]);
            target[2] = static_cast<uint8_t>(source[0]);
        }
    }
    return bitmap;
}

}  // namespace parlevox
