#include "common/ByteReader.h"

#include "common/TextError.h"

namespace parlevox {

void ByteReader::FailShortRead() const {
    throw TextError(shortReadMessage_);
}

std::string_view ByteReader::ReadBytes(size_t count) {
    if (count > Remaining()) FailShortRead();
    std::string_view out = data_.substr(position_, count);
    position_ += count;
    return out;
}

uint8_t ByteReader::ReadU8() {
    return static_cast<uint8_t>(ReadBytes(1)[0]);
}

uint16_t ByteReader::ReadU16() {
    std::string_view b = ReadBytes(2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

uint32_t ByteReader::ReadU32() {
    std::string_view b = ReadBytes(4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
    return value;
}

void ByteWriter::WriteU16(uint16_t value) {
    WriteU8(static_cast<uint8_t>(value));
    WriteU8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::WriteU32(uint32_t value) {
    for (int i = 0; i < 4; ++i) WriteU8(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace parlevox
