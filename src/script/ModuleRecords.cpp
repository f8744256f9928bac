#include "script/ModuleRecords.h"

#include "common/StringRecord.h"
#include "common/TextError.h"

namespace parlevox {

int32_t ReadModuleInt(ByteReader& reader) {
    if (reader.Remaining() < 4) throw TextError(kModuleEndOfFile);
    return reader.ReadI32();
}

size_t ReadModuleCount(ByteReader& reader, size_t minBytesEach) {
    int32_t count = ReadModuleInt(reader);
    if (count < 0 || static_cast<size_t>(count) > reader.Remaining() / minBytesEach) throw TextError(kModuleEndOfFile);
    return static_cast<size_t>(count);
}

}  // namespace parlevox
