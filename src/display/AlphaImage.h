#pragma once
// The pixels of a scheme image: 4 bytes per pixel in the order opacity,
// blue, green, red (opacity 0 transparent, 255 solid), rows top first, no
// padding.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace parlevox {

class AlphaImage {
public:
    static constexpr size_t kBytesPerPixel = 4;

    AlphaImage() = default;
    // Solid black; sizes must be checked by the caller (CRawBitmap::ValidSize).
    AlphaImage(int width, int height);
    // The pixels copied in bulk from bytes of this layout; width x height x 4
    // of them must be there (checked by the caller).
    AlphaImage(int width, int height, const uint8_t* pixels)
        : width_(width), height_(height), pixels_(pixels, pixels + static_cast<size_t>(width) * height * kBytesPerPixel) {}
    // Every pixel solid in one colour.
    void Fill(uint8_t blue, uint8_t green, uint8_t red);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::vector<uint8_t>& Pixels() { return pixels_; }
    const std::vector<uint8_t>& Pixels() const { return pixels_; }
    uint8_t* Pixel(int x, int y) { return &pixels_[(static_cast<size_t>(y) * width_ + x) * kBytesPerPixel]; }
    const uint8_t* Pixel(int x, int y) const {
        return &pixels_[(static_cast<size_t>(y) * width_ + x) * kBytesPerPixel];
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace parlevox
