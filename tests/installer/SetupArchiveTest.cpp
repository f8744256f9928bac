#include "installer/SetupArchive.h"

#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

#include <gtest/gtest.h>

#include "support/TempDir.h"

// The largest request made through operator new, so a test can tell that a
// damaged length field was refused before its buffer was allocated.
namespace {
std::atomic<size_t> largestAllocation{0};
}  // namespace

void* operator new(size_t size) {
    size_t seen = largestAllocation.load();
    while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
    }
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
// Every form that pairs with these deletes is replaced too, so nothing in
// the binary frees with them what the sanitizer's own new allocated.
void* operator new[](size_t size) { return ::operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
// Out of line, or the compiler sees free() meet a new-expression's pointer.
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, size_t) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete[](void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace parlevox {
namespace {

using namespace std::string_literals;

const std::string kExecutable(100, 'X');

// A data block with any stated length, as a damaged or hostile file has it.
std::string Block(std::string_view bytes, uint32_t statedLength) {
    uLongf size = compressBound(bytes.size());
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
              bytes.size(), 9);
    packed.resize(size);
    std::string length;
    for (int shift = 0; shift < 32; shift += 8) length += static_cast<char>(statedLength >> shift & 0xff);
    return length + packed;
}
std::string Block(std::string_view bytes) { return Block(bytes, static_cast<uint32_t>(bytes.size())); }

std::string WithTrailer(const std::string& text) { return text + std::to_string(text.size() + 3) + "end"; }

std::optional<SetupDirectory> Parse(std::string_view file) {
    return SetupArchive::ParseDirectory(file.substr(file.size() - std::min<size_t>(file.size(), 2047)), file.size());
}

std::string RandomBytes(size_t count) {
    std::mt19937 random(7);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

struct Packed {
    std::string name, subfolder, bytes;
};

TEST(SetupArchiveTest, WrittenArchiveReadsBackFromDisk) {
    const std::vector<Packed> files = {{"Parlevox", "", "\x7f" "ELF and more"},
                                       {"Empty.txt", "Logs", ""},
                                       {"Big.bin", "Sound", RandomBytes(1 << 20)},
                                       {"Index.htm", "Tutorial\\IRC", std::string(5000, 'a')}};
    SetupArchiveWriter writer;
    for (const Packed& file : files) writer.Add(file.name, file.subfolder, file.bytes);
    const std::optional<std::string> archive = writer.Finish(kExecutable.size());
    ASSERT_TRUE(archive);
    test::TempDir dir;
    const std::string path = dir.File("parlevox-setup");
    test::WriteWholeFile(path, kExecutable + *archive);

    const std::optional<SetupDirectory> directory = SetupArchive::ReadDirectory(path);
    ASSERT_TRUE(directory);
    ASSERT_EQ(directory->files.size(), files.size());
    uint64_t offset = kExecutable.size();
    for (size_t i = 0; i < files.size(); ++i) {
        const SetupFileEntry& entry = directory->files[i];
        EXPECT_EQ(entry.name, files[i].name);
        EXPECT_EQ(entry.subfolder, files[i].subfolder);
        EXPECT_EQ(entry.offset, offset);
        offset += entry.blockSize;
        const std::optional<std::string> block = SetupArchive::ReadBlock(path, entry);
        ASSERT_TRUE(block);
        EXPECT_EQ(SetupArchive::Inflate(*block), files[i].bytes) << entry.name;
    }
    EXPECT_EQ(directory->TotalBlockBytes(), offset - kExecutable.size());
}

TEST(SetupArchiveTest, HostileNamesAreRefusedByWriterAndReader) {
    const struct {
        std::string name;
        bool subfolder, safe;
    } cases[] = {
        {"MajorChannels.dat", false, true}, {"..name", false, true},   {"Tutorial\\IRC", true, true},
        {"Sound", true, true},              {"", true, true},          {"", false, false},
        {".", false, false},                {"..", false, false},      {"..", true, false},
        {"..\\Windows", true, false},       {"a\\..\\..", true, false}, {"a/../..", true, false},
        {"\\Windows", true, false},         {"/etc", true, false},     {"a\\", true, false},
        {"a\\\\b", true, false},            {"a\\b", false, false},    {"/etc/passwd", false, false},
        {"new\nline", false, false},        {"bell\x07", true, false},  {"tab\there", false, false},
    };
    const std::string block = Block("x");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SetupArchive::IsSafeName(c.name, c.subfolder), c.safe);
        SetupArchiveWriter writer;
        writer.Add(c.subfolder ? "file" : c.name, c.subfolder ? c.name : "", "x");
        EXPECT_EQ(writer.Finish(kExecutable.size()).has_value(), c.safe);
        if (c.name.find('\t') != std::string::npos) continue;  // it would split the fields
        const std::string entry = c.subfolder ? "file\t" + c.name : c.name + "\t";
        const std::string file =
            kExecutable + block + WithTrailer("100\t" + entry + "\t" + std::to_string(block.size()) + "\t\t");
        EXPECT_EQ(Parse(file).has_value(), c.safe);
    }
}

// A hand-made file whose directory read takes exactly `read` bytes.
std::string FileWithDirectoryRead(size_t read) {
    const std::string block = Block("x");
    const std::string size = "\t\t" + std::to_string(block.size()) + "\t";
    const size_t textSize = read - 3 - std::to_string(read).size();  // N has as many digits as read here
    std::string text = "100\t", data;
    for (int i = 0; textSize - text.size() > size.size() + 1 + SetupArchive::kMaxNameLength; ++i) {
        text += "file" + std::to_string(i) + size;
        data += block;
    }
    text += std::string(textSize - text.size() - size.size() - 1, 'n') + size + "\t";
    data += block;
    return kExecutable + data + WithTrailer(text);
}

TEST(SetupArchiveTest, DamagedDirectoriesAreRefused) {
    const std::string block = Block("hello");
    const std::string b = std::to_string(block.size());
    const std::string data = kExecutable + block;
    const std::string b1 = std::to_string(block.size() + 1);
    const std::string name39(39, 'n'), name40(40, 'n');
    const struct {
        const char* description;
        std::string file;
        size_t files;  // 0 with ok false: refused
        bool ok;
    } cases[] = {
        {"well formed", data + WithTrailer("100\thello.txt\t\t" + b + "\t\t"), 1, true},
        {"no files", kExecutable + WithTrailer("100\t\t"), 0, true},
        {"a 39-character name", data + WithTrailer("100\t" + name39 + "\t\t" + b + "\t\t"), 1, true},
        {"a 40-character name", data + WithTrailer("100\t" + name40 + "\t\t" + b + "\t\t"), 0, false},
        {"a 40-character subfolder", data + WithTrailer("100\tx\t" + name40 + "\t" + b + "\t\t"), 0, false},
        {"directory read of 2047 bytes", FileWithDirectoryRead(2047), 0, true},
        {"directory read of 2048 bytes", FileWithDirectoryRead(2048), 0, false},
        {"trailer 0end", data + "100\thello.txt\t\t" + b + "\t\t0end", 0, false},
        {"trailer 3end", data + "100\thello.txt\t\t" + b + "\t\t3end", 0, false},
        {"trailer of 20 digits", data + "100\thello.txt\t\t" + b + "\t\t12345678901234567890end", 0, false},
        {"N larger than the file", "\t50end", 0, false},
        {"N reaching into the executable", std::string(3000, 'X') + block + "100\thello.txt\t\t" + b + "\t\t1500end",
         0, false},
        {"not ending in end", data + WithTrailer("100\thello.txt\t\t" + b + "\t\t") + "\n", 0, false},
        {"no tab before N", kExecutable + "29end", 0, false},
        {"a letter in N", data + "100\thello.txt\t\t" + b + "\t\tx29end", 0, false},
        {"a missing tab between fields", data + WithTrailer("100\thello.txt\t" + b + "\t\t"), 0, false},
        {"the last entry without its size", data + block + WithTrailer("100\ta\t\t" + b + "\tb\t\t\t"), 0, false},
        {"no closing tab", data + WithTrailer("100\thello.txt\t\t" + b + "\t"), 0, false},
        {"sizes overrunning the directory", data + WithTrailer("100\thello.txt\t\t" + b1 + "\t\t"), 0, false},
        {"second block overrunning", data + block + WithTrailer("100\ta\t\t" + b + "\tb\t\t" + b1 + "\t\t"), 0, false},
        {"offset past the directory", data + WithTrailer("200\t\t"), 0, false},
        {"a block under 4 bytes", kExecutable + "abc" + WithTrailer("100\tx\t\t3\t\t"), 0, false},
        {"a size with a sign", data + WithTrailer("100\thello.txt\t\t+" + b + "\t\t"), 0, false},
        {"a size of 19 digits", data + WithTrailer("100\thello.txt\t\t9999999999999999999\t\t"), 0, false},
        {"a size of 20 digits", data + WithTrailer("100\thello.txt\t\t18446744073709551617\t\t"), 0, false},
        {"an offset of 20 digits", data + WithTrailer("18446744073709551716\thello.txt\t\t" + b + "\t\t"), 0, false},
        {"an empty file", "", 0, false},
    };
    for (const auto& c : cases) {
        const std::optional<SetupDirectory> directory = Parse(c.file);
        EXPECT_EQ(directory.has_value(), c.ok) << c.description;
        if (directory && c.files > 0) {
            EXPECT_EQ(directory->files.size(), c.files) << c.description;
        }
    }
}

TEST(SetupArchiveTest, TruncatedInstallersAreRefused) {
    SetupArchiveWriter writer;
    writer.Add("Parlevox.reg", "", "REGEDIT4\n");
    writer.Add("a.htm", "Tutorial", "<html>");
    const std::string file = kExecutable + *writer.Finish(kExecutable.size());
    const SetupDirectory directory = *Parse(file);
    for (size_t cut = 0; cut < file.size(); ++cut)
        EXPECT_FALSE(Parse(std::string_view(file).substr(0, cut))) << "cut at " << cut;

    test::TempDir dir;
    const std::string path = dir.File("setup");
    for (const SetupFileEntry& entry : directory.files) {
        const std::string block = file.substr(entry.offset, entry.blockSize);
        for (size_t cut = 0; cut < entry.blockSize; ++cut) {
            EXPECT_FALSE(SetupArchive::Inflate(block.substr(0, cut))) << entry.name << " cut at " << cut;
            test::WriteWholeFile(path, file.substr(0, entry.offset + cut));
            EXPECT_FALSE(SetupArchive::ReadBlock(path, entry)) << entry.name << " cut at " << cut;
        }
    }
    EXPECT_FALSE(SetupArchive::ReadDirectory(dir.File("missing")));
    EXPECT_FALSE(SetupArchive::ReadDirectory(dir.Path())) << "a folder is no installer";
}

TEST(SetupArchiveTest, InflateFillsExactlyTheStatedLength) {
    std::string damagedCheck = Block("abc");
    damagedCheck.back() ^= 1;
    const std::string large = RandomBytes(300000);
    const struct {
        const char* description;
        std::string block;
        std::optional<std::string> bytes;
    } cases[] = {
        {"exact", Block("abc"), "abc"},
        {"an empty file", Block(""), ""},
        {"short stream", Block("abc", 4), std::nullopt},
        {"long stream", Block("abcd", 3), std::nullopt},
        {"large file", Block(large), large},
        {"short stream of a large file", Block(large, large.size() + 1), std::nullopt},
        {"long stream of a large file", Block(large, large.size() - 1), std::nullopt},
        {"short stream ending with the first 64 KiB", Block(large.substr(0, 65536), 65537), std::nullopt},
        {"stream of one byte stated empty", Block("a", 0), std::nullopt},
        {"bytes after the stream", Block("abc") + "z", std::nullopt},
        {"damaged check value", damagedCheck, std::nullopt},
        {"length field only", "\3\0\0\0"s, std::nullopt},
        {"under 4 bytes", "\3\0\0"s, std::nullopt},
        {"one over the cap", Block("abc", SetupArchive::kMaxFileSize + 1), std::nullopt},
        {"claims 4 GiB", Block("abc", 0xffffffff), std::nullopt},
    };
    for (const auto& c : cases) {
        largestAllocation = 0;
        EXPECT_EQ(SetupArchive::Inflate(c.block), c.bytes) << c.description;
        EXPECT_LT(largestAllocation.load(), 1u << 20) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
