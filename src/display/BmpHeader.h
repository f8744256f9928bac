#pragma once
// The fields of a Windows bitmap file image that the client reads: the
// 14-byte file header and the 40-byte information header.
#include <cstdint>
#include <optional>
#include <string_view>

namespace parlevox {

struct BmpHeader {
    static constexpr size_t kFileHeaderSize = 14;
    static constexpr size_t kHeadersSize = 54;  // the colour table starts here
    static constexpr uint32_t kRunLengthCompression = 99;

    uint32_t pixelOffset = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitsPerPixel = 0;
    uint32_t compression = 0;

    // Nothing when the data are shorter than the two headers.
    static std::optional<BmpHeader> Parse(std::string_view file);
    // The bytes the pixel rows of one row take in the file.
    size_t FileStride() const;
};

}  // namespace parlevox
