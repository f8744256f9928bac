// The serialised raw bitmap: -1, width, height and the padded rows for true
// colour; width, height, the 1068-byte colour block and the rows for a
// palette bitmap. Integers are 32-bit little-endian.
#include <algorithm>
#include <cstring>

#include "common/TextError.h"
#include "display/ImageTexts.h"
#include "display/RawBitmap.h"

namespace parlevox {
namespace {

// The record's own message, whatever the enclosing file's is.
std::string_view ReadOrFail(ByteReader& reader, size_t count) {
    if (count > reader.Remaining()) throw TextError(texts::kGraphicEndOfFile);
    return reader.ReadBytes(count);
}

int32_t ReadInt(ByteReader& reader) {
    std::string_view b = ReadOrFail(reader, 4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
    return static_cast<int32_t>(value);
}

void PutI32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

}  // namespace

std::vector<uint8_t> CRawBitmap::InfoHeader() const {
    std::vector<uint8_t> header(kInfoHeaderSize, 0);
    PutI32(header, 0, static_cast<int32_t>(kInfoHeaderSize));
    PutI32(header, 4, width_);
    PutI32(header, 8, -height_);  // top-down rows
    header[12] = 1;               // planes
    header[14] = 8;               // bits per pixel
    return header;
}

void CRawBitmap::WriteRawBitmap(ByteWriter& writer) const {
    auto asText = [](const uint8_t* data, size_t size) {
        return std::string_view(reinterpret_cast<const char*>(data), size);
    };
    if (trueColour_) writer.WriteI32(kTrueColourMarker);
    writer.WriteI32(width_);
    writer.WriteI32(height_);
    if (!trueColour_) {
        std::vector<uint8_t> header = InfoHeader();
        writer.WriteBytes(asText(header.data(), header.size()));
        writer.WriteBytes(asText(colours_.data(), colours_.size()));
        writer.WriteU32(0);
    }
    writer.WriteBytes(asText(pixels_.data(), pixels_.size()));
}

void CRawBitmap::ReadRawBitmap(ByteReader& reader) {
    int32_t first = ReadInt(reader);
    bool trueColour = first == kTrueColourMarker;
    int32_t width = trueColour ? ReadInt(reader) : first;
    int32_t height = ReadInt(reader);
    // A size no file could hold is as short as a file can be.
    if (!ValidSize(width, height)) throw TextError(texts::kGraphicEndOfFile);
    // Nothing is allocated for a size the rest of the data cannot hold.
    size_t rowBytes = static_cast<size_t>(height) * StrideFor(width, trueColour);
    if (rowBytes + (trueColour ? 0 : kPaletteBlockSize) > reader.Remaining())
        throw TextError(texts::kGraphicEndOfFile);
    CRawBitmap bitmap(width, height, trueColour, 0);
    if (!trueColour) {
        std::string_view block = ReadOrFail(reader, kPaletteBlockSize);
        std::memcpy(bitmap.colours_.data(), block.data() + kInfoHeaderSize, kColourTableSize);
    }
    std::string_view rows = ReadOrFail(reader, bitmap.pixels_.size());
    std::copy(rows.begin(), rows.end(), bitmap.pixels_.begin());
    *this = std::move(bitmap);
}

}  // namespace parlevox
