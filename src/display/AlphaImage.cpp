#include "display/AlphaImage.h"

namespace parlevox {

AlphaImage::AlphaImage(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * kBytesPerPixel, 0) {
    for (size_t i = 0; i < pixels_.size(); i += kBytesPerPixel) pixels_[i] = 255;
}

}  // namespace parlevox
