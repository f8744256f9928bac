#include "display/AlphaImage.h"

namespace parlevox {

AlphaImage::AlphaImage(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * kBytesPerPixel, 0) {
    for (size_t i = 0; i < pixels_.size(); i += kBytesPerPixel) pixels_[i] = 255;
}

void AlphaImage::Fill(uint8_t blue, uint8_t green, uint8_t red) {
    for (size_t i = 0; i < pixels_.size(); i += kBytesPerPixel) {
        pixels_[i] = 255;
        pixels_[i + 1] = blue;
        pixels_[i + 2] = green;
        pixels_[i + 3] = red;
    }
}

}  // namespace parlevox
