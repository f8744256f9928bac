#include "display/BmpHeader.h"

#include "common/ByteReader.h"

namespace parlevox {

std::optional<BmpHeader> BmpHeader::Parse(std::string_view file) {
    if (file.size() < kHeadersSize) return std::nullopt;
    ByteReader reader(file, "");
    BmpHeader header;
    reader.Skip(10);  // "BM", file size, two reserved words
    header.pixelOffset = reader.ReadU32();
    reader.Skip(4);  // information header size
    header.width = reader.ReadI32();
    header.height = reader.ReadI32();
    reader.Skip(2);  // planes
    header.bitsPerPixel = reader.ReadU16();
    header.compression = reader.ReadU32();
    return header;
}

size_t BmpHeader::FileStride() const {
    uint64_t bits = static_cast<uint64_t>(width < 0 ? 0 : width) * bitsPerPixel;
    return static_cast<size_t>((bits + 31) / 32 * 4);
}

}  // namespace parlevox
