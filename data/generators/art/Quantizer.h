#pragma once
// Turns true-colour art into the 8-bit pictures that the built-in bitmap
// resources hold: median cut refined by a few k-means rounds, optional
// ordered dithering, and a table sorted by use so that the rarest colour
// gets index 255 (which the run-length code spends three bytes on).
#include <array>
#include <cstdint>
#include <vector>

namespace parlevox::art {

struct IndexedImage {
    int width = 0, height = 0;
    std::vector<uint8_t> indices;                   // rows top first, no padding
    std::array<uint8_t, 1024> table{};              // blue, green, red, 0
};

struct QuantizeOptions {
    int colours = 256;
    // Ordered dithering of the rows above this one: gradients need it, flat
    // areas compress better without it.
    int ditherRows = 0;
    // Button strips use entries 0-63 only and carry their darker copies in
    // 64-255 (5/6, 4/6, 3/6), as the client makes them when it loads them.
    bool shadedCopies = false;
};

IndexedImage Quantize(const std::vector<unsigned char>& rgb, int width, int height, const QuantizeOptions& options);

}  // namespace parlevox::art
