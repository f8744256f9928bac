#pragma once
// Length-prefixed string records inside the client's binary files: a 4-byte
// little-endian signed length N, then exactly N bytes.
#include <string>
#include <string_view>

#include "common/ByteReader.h"

namespace parlevox {

inline constexpr const char* kModuleEndOfFile = "Unexpected end of file when loading a module.";

// Throws TextError(kModuleEndOfFile) when the record is short or its length
// is negative.
std::string ReadString(ByteReader& reader);
void WriteString(ByteWriter& writer, std::string_view text);

}  // namespace parlevox
