#pragma once
// Bounds-checked reading of the client's binary files. No length read from a
// file is trusted: every read checks what remains and a short read throws
// the file format's own message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace parlevox {

class ByteReader {
public:
    ByteReader(std::string_view data, std::string shortReadMessage)
        : data_(data), shortReadMessage_(std::move(shortReadMessage)) {}

    size_t Remaining() const { return data_.size() - position_; }
    size_t Position() const { return position_; }
    bool AtEnd() const { return Remaining() == 0; }

    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
    std::string_view ReadBytes(size_t count);
    void Skip(size_t count) { ReadBytes(count); }

    // Throws TextError with the format's message.
    [[noreturn]] void FailShortRead() const;

private:
    std::string_view data_;
    size_t position_ = 0;
    std::string shortReadMessage_;
};

// Little-endian writer for the same files.
class ByteWriter {
public:
    void WriteU8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }
    void WriteBytes(std::string_view bytes) { bytes_.append(bytes); }
    const std::string& Bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

}  // namespace parlevox
