#pragma once
// Writes JPEG files for the tests and the documentation's pictures.
#include <cstdint>
#include <string>
#include <vector>

namespace parlevox::test {

// rgb: width x height pixels, 3 bytes each (red, green, blue), rows top
// first. Baseline unless progressive.
std::string EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, int quality, bool progressive);

}  // namespace parlevox::test
