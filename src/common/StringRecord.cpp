#include "common/StringRecord.h"

#include "common/TextError.h"

namespace parlevox {

std::string ReadString(ByteReader& reader) {
    uint32_t raw = 0;
    try {
        raw = reader.ReadU32();
    } catch (const TextError&) {
        throw TextError(kModuleEndOfFile);
    }
    int32_t length = static_cast<int32_t>(raw);
    if (length < 0 || static_cast<size_t>(length) > reader.Remaining()) throw TextError(kModuleEndOfFile);
    return std::string(reader.ReadBytes(static_cast<size_t>(length)));
}

void WriteString(ByteWriter& writer, std::string_view text) {
    writer.WriteI32(static_cast<int32_t>(text.size()));
    writer.WriteBytes(text);
}

}  // namespace parlevox
