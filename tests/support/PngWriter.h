#pragma once
// A minimal PNG encoder (8-bit RGB, no filtering, zlib-compressed), so that
// tests can leave pictures a person can look at.
#include <cstdint>
#include <string>
#include <vector>

namespace parlevox::test {

// rgb: width x height pixels of red, green, blue, rows top first.
std::string EncodePng(int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace parlevox::test
