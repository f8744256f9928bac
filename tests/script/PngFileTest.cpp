// Icons drawn in a paint program come with any of the five row filters and
// often with alpha; damaged files must be refused, not crash.
#include "display/PngFile.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>

#include "common/TextError.h"

namespace parlevox {
namespace {

void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 255);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    png += type + data;
    PutBigEndian(png, 0);  // the reader does not check sums
}

int Predictor(int filter, int left, int up, int upLeft) {
    const int p = left + up - upLeft;
    const int paeth = std::abs(p - left) <= std::abs(p - up) && std::abs(p - left) <= std::abs(p - upLeft) ? left
                      : std::abs(p - up) <= std::abs(p - upLeft)                                             ? up
                                                                                                             : upLeft;
    const int predictors[] = {0, left, up, (left + up) / 2, paeth};
    return predictors[filter];
}

// A width x 2 picture of the given channel count, row y filtered with filters[y].
std::string FilteredPng(int width, int channels, const std::vector<uint8_t>& pixels, const int filters[2]) {
    const size_t rowBytes = static_cast<size_t>(width) * channels;
    std::string raw;
    for (size_t y = 0; y < 2; ++y) {
        raw += static_cast<char>(filters[y]);
        for (size_t x = 0; x < rowBytes; ++x) {
            auto at = [&](size_t row, size_t column) { return pixels[row * rowBytes + column]; };
            const int left = x >= static_cast<size_t>(channels) ? at(y, x - channels) : 0;
            const int up = y > 0 ? at(y - 1, x) : 0;
            const int upLeft = y > 0 && x >= static_cast<size_t>(channels) ? at(y - 1, x - channels) : 0;
            raw += static_cast<char>(at(y, x) - Predictor(filters[y], left, up, upLeft));
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
             static_cast<uLong>(raw.size()));
    packed.resize(size);
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, 2);
    header += std::string{8, static_cast<char>(channels == 3 ? 2 : 6), 0, 0, 0};
    std::string png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", packed.substr(0, 5));  // split, as encoders may
    Chunk(png, "IDAT", packed.substr(5));
    Chunk(png, "IEND", "");
    return png;
}

TEST(PngFileTest, EveryRowFilterAndAlphaDecode) {
    const int width = 5;
    for (int channels : {3, 4}) {
        std::vector<uint8_t> pixels(width * channels * 2);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 53 + 200);
        for (int first = 0; first < 5; ++first) {
            const int filters[2] = {first, 4 - first};
            CRawBitmap bitmap = DecodePng(FilteredPng(width, channels, pixels, filters));
            ASSERT_EQ(bitmap.Width(), width);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < width; ++x) {
                    const uint8_t* rgb = &pixels[(y * width + x) * channels];
                    EXPECT_EQ(bitmap.PixelColour(x, y), (BgrColour{rgb[2], rgb[1], rgb[0]}))
                        << "channels " << channels << " filters " << first << "," << 4 - first;
                }
        }
    }
}

TEST(PngFileTest, DamagedFilesAreRefused) {
    CRawBitmap icon = CRawBitmap::TrueColour(48, 48);
    const std::string good = EncodePng(icon);
    ASSERT_EQ(DecodePng(good).Height(), 48);
    const std::string hostile[] = {
        good.substr(0, 7),                                    // no signature
        good.substr(0, good.size() - 30),                     // data cut off
        good.substr(0, 16) + std::string("\x7f\xff\xff\xff") + good.substr(20),  // huge width
        std::string(good).replace(8, 4, "\xff\xff\xff\xf0"),  // a chunk longer than the file
    };
    for (const std::string& png : hostile) EXPECT_THROW(DecodePng(png), TextError);
}

}  // namespace
}  // namespace parlevox
