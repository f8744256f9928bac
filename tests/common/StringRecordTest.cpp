#include "common/StringRecord.h"

#include <string>

#include <gtest/gtest.h>

#include "common/ByteReader.h"
#include "common/TextError.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

TEST(StringRecordTest, RecordsRoundTrip) {
    const std::string texts[] = {"", "a", "Nick!User@Host", "a\0b\r\n"s, std::string(70000, '\xff')};
    ByteWriter writer;
    for (const auto& text : texts) WriteString(writer, text);
    EXPECT_EQ(writer.Bytes().substr(0, 9), "\0\0\0\0\x01\0\0\0a"s);  // 4-byte little-endian length
    ByteReader reader(writer.Bytes(), "short");
    for (const auto& text : texts) EXPECT_EQ(ReadString(reader), text);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(StringRecordTest, DamagedRecordsRaiseTheModuleMessage) {
    struct Case {
        const char* description;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"short length", "\x03\0\0"s},
        {"short body", "\x05\0\0\0abcd"s},
        {"negative length", "\xff\xff\xff\xff"s + "abc"},
        {"huge length", "\xff\xff\xff\x7f"s + "abc"},
    };
    for (const auto& c : cases) {
        ByteReader reader(c.bytes, "another format's message");
        try {
            ReadString(reader);
            ADD_FAILURE() << c.description << ": no failure raised";
        } catch (const TextError& error) {
            EXPECT_STREQ(error.Text(), "Unexpected end of file when loading a module.") << c.description;
        }
    }
}

TEST(ByteReaderTest, LittleEndianAndBoundsChecked) {
    ByteWriter writer;
    writer.WriteU8(0xfe);
    writer.WriteU16(0x1234);
    writer.WriteU32(0x89abcdef);
    writer.WriteI32(-2);
    EXPECT_EQ(writer.Bytes(), "\xfe\x34\x12\xef\xcd\xab\x89\xfe\xff\xff\xff"s);

    ByteReader reader(writer.Bytes(), "Bad file");
    EXPECT_EQ(reader.ReadU8(), 0xfe);
    EXPECT_EQ(reader.ReadU16(), 0x1234);
    EXPECT_EQ(reader.ReadU32(), 0x89abcdefu);
    EXPECT_EQ(reader.Remaining(), 4u);
    EXPECT_THROW(reader.ReadBytes(5), TextError);
    EXPECT_EQ(reader.Position(), 7u);  // a failed read consumes nothing
    EXPECT_EQ(reader.ReadI32(), -2);
    try {
        reader.ReadU8();
        ADD_FAILURE() << "read past the end";
    } catch (const TextError& error) {
        EXPECT_STREQ(error.Text(), "Bad file");
    }
    EXPECT_THROW(reader.ReadBytes(SIZE_MAX), TextError);
}

}  // namespace
}  // namespace parlevox
