#include "support/BmpFile.h"

#include "common/ByteReader.h"

namespace parlevox::test {

std::string GreyColourTable() {
    std::string table;
    for (int i = 0; i < 256; ++i) table += std::string(3, static_cast<char>(i)) + '\0';
    return table;
}

std::string MakeBmp(const BmpFields& fields) {
    std::string table = fields.colourTable.empty() && fields.bitsPerPixel == 8 ? GreyColourTable() : fields.colourTable;
    uint32_t offset = static_cast<uint32_t>(54 + table.size());
    ByteWriter out;
    out.WriteBytes("BM");
    out.WriteU32(static_cast<uint32_t>(offset + fields.pixels.size()));
    out.WriteU32(0);
    out.WriteU32(offset);
    out.WriteU32(40);
    out.WriteI32(fields.width);
    out.WriteI32(fields.height);
    out.WriteU16(1);
    out.WriteU16(fields.bitsPerPixel);
    out.WriteU32(fields.compression);
    out.WriteU32(static_cast<uint32_t>(fields.pixels.size()));
    for (int i = 0; i < 4; ++i) out.WriteU32(0);
    out.WriteBytes(table);
    out.WriteBytes(fields.pixels);
    return out.Take();
}

}  // namespace parlevox::test
