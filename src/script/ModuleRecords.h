#pragma once
// Integers and counts inside module files. Every short read or count that
// cannot fit in what remains raises "Unexpected end of file when loading a
// module." whatever message the reader was made with, so a hostile count
// never reaches an allocation.
#include <cstddef>
#include <cstdint>

#include "common/ByteReader.h"

namespace parlevox {

int32_t ReadModuleInt(ByteReader& reader);

// A count of items that take at least minBytesEach bytes each (> 0); a
// negative count, or one whose items cannot fit in what remains, fails.
size_t ReadModuleCount(ByteReader& reader, size_t minBytesEach);

}  // namespace parlevox
