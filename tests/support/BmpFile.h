#pragma once
// Windows bitmap file images made by hand, for the tests of the readers.
#include <cstdint>
#include <string>

namespace parlevox::test {

struct BmpFields {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitsPerPixel = 8;
    uint32_t compression = 0;
    std::string colourTable;  // placed from offset 54; 1024 bytes of grey ramp when empty for 8 bits
    std::string pixels;       // the pixel data as stored
};

// "BM", the two headers, the colour table and the pixels at the offset the
// header gives (right after the table).
std::string MakeBmp(const BmpFields& fields);

// The grey ramp: entry i is (i, i, i).
std::string GreyColourTable();

}  // namespace parlevox::test
