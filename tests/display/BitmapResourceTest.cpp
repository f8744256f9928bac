#include "display/BitmapResource.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "display/BmpHeader.h"
#include "platform/Resources.h"
#include "support/BmpFile.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

// The sanitizer runtime of the test build reports every allocation; without
// it the allocation test is skipped.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                        void (*)(const volatile void*)) __attribute__((weak));

// The largest single allocation made while `work` runs; nothing without a
// sanitizer runtime.
template <typename Work>
std::optional<size_t> LargestAllocationDuring(Work work) {
    static bool installed = false;
    static bool watching = false;
    static size_t largest = 0;
    if (!__sanitizer_install_malloc_and_free_hooks) return std::nullopt;
    if (!installed) {
        installed = __sanitizer_install_malloc_and_free_hooks(
            [](const volatile void*, size_t size) {
                if (watching && size > largest) largest = size;
            },
            [](const volatile void*) {});
    }
    if (!installed) return std::nullopt;
    largest = 0;
    watching = true;
    work();
    watching = false;
    return largest;
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(BitmapResourceTest, RunLengthCode) {
    struct Case {
        const char* description;
        std::string stream;
        size_t pixels;
        bool complete;
        std::string expected;
    } cases[] = {
        {"plain pixels", "\x01\x02\x03"s, 3, true, "\x01\x02\x03"s},
        {"a run", "\xff\x03\x07"s, 3, true, "\x07\x07\x07"s},
        {"index 255 as a run of one", "\xff\x01\xff\x05"s, 2, true, "\xff\x05"s},
        {"count 0 gives no pixels", "\xff\x00\x09\x01\x02"s, 2, true, "\x01\x02"s},
        {"a run past the end is cut off", "\xff\x09\x04"s, 4, true, "\x04\x04\x04\x04"s},
        {"bytes after the last pixel are ignored", "\x01\x02\xff"s, 2, true, "\x01\x02"s},
        {"stream ends early", "\x01\x02"s, 3, false, ""},
        {"run code without its count", "\x01\xff"s, 3, false, ""},
        {"run code without its value", "\x01\xff\x02"s, 3, false, ""},
        {"empty stream", "", 1, false, ""},
        {"nothing to fill", "", 0, true, ""},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> out(c.pixels, 0xee);
        EXPECT_EQ(BitmapResource::DecodeRunLength(c.stream, out), c.complete) << c.description;
        if (c.complete) {
            EXPECT_EQ(out, Bytes(c.expected)) << c.description;
        }
    }
}

TEST(BitmapResourceTest, RowsComeOutTopFirstInBothCompressions) {
    // 3 x 2, stride 4: the file's first row is the picture's bottom row.
    const std::string rows = "\x04\x05\x06\x00\x01\x02\x03\x00"s;
    test::BmpFields plain{3, 2, 8, 0, "", rows};
    test::BmpFields packed{3, 2, 8, 99, "", "\x04\x05\x06\xff\x01\x00\x01\x02\x03\x00"s};
    for (const auto& fields : {plain, packed}) {
        std::optional<CRawBitmap> bitmap = BitmapResource::Decode(test::MakeBmp(fields));
        ASSERT_TRUE(bitmap) << fields.compression;
        EXPECT_FALSE(bitmap->IsTrueColour());
        EXPECT_EQ(bitmap->Stride(), 4u);
        EXPECT_EQ(Bytes(std::string(bitmap->Pixels().begin(), bitmap->Pixels().end())),
                  Bytes("\x01\x02\x03\x00\x04\x05\x06\x00"s))
            << fields.compression;
        EXPECT_EQ(bitmap->PixelColour(2, 1), (BgrColour{6, 6, 6})) << "grey ramp table";
    }
}

TEST(BitmapResourceTest, DamagedFileImagesAreRefused) {
    const std::string rows(8, '\x01');
    auto make = [&](auto change) {
        test::BmpFields fields{3, 2, 8, 0, "", rows};
        change(fields);
        return test::MakeBmp(fields);
    };
    std::string good = make([](auto&) {});
    struct Case {
        const char* description;
        std::string file;
    } cases[] = {
        {"24 bits per pixel", make([](auto& f) { f.bitsPerPixel = 24; })},
        {"4 bits per pixel", make([](auto& f) { f.bitsPerPixel = 4; })},
        {"compression 1", make([](auto& f) { f.compression = 1; })},
        {"width 0", make([](auto& f) { f.width = 0; })},
        {"negative height", make([](auto& f) { f.height = -2; })},
        {"width x height past 32 bits", make([](auto& f) { f.width = f.height = 0x10000; })},
        {"huge width", make([](auto& f) { f.width = 0x7fffffff; })},
        {"rows one byte short", make([](auto& f) { f.pixels.pop_back(); })},
        {"run-length stream ends early", make([](auto& f) { f.compression = 99, f.pixels = "\xff\x07\x01"s; })},
        {"run code cut off", make([](auto& f) { f.compression = 99, f.pixels = "\x01\x02\x03\x04\x05\x06\x07\xff"s; })},
        {"colour table cut off", good.substr(0, 54 + 1000)},
        {"headers only", good.substr(0, 54)},
        {"shorter than the headers", good.substr(0, 53)},
        {"not BM", "XX" + good.substr(2)},
        {"pixel offset past the end", good.substr(0, 10) + "\xff\xff\x00\x00"s + good.substr(14)},
    };
    ASSERT_TRUE(BitmapResource::Decode(good));
    for (const auto& c : cases) EXPECT_FALSE(BitmapResource::Decode(c.file)) << c.description;
}

TEST(BitmapResourceTest, AClaimedSizeTheDataCannotHoldIsRefusedBeforeAllocating) {
    struct Case {
        const char* description;
        uint32_t compression;
        size_t dataBytes;
    } cases[] = {
        {"uncompressed", 0, 1024},
        {"run-length code", 99, 1024},  // 255 pixels per run at best: 87 K pixels
    };
    for (const auto& c : cases) {
        std::string data;
        while (data.size() + 3 <= c.dataBytes) data += "\xff\xff\x07"s;
        const std::string file = test::MakeBmp({32767, 32767, 8, c.compression, "", data});
        std::optional<CRawBitmap> bitmap;
        std::optional<size_t> largest = LargestAllocationDuring([&] { bitmap = BitmapResource::Decode(file); });
        if (!largest) GTEST_SKIP() << "needs the sanitizer runtime to see allocations";
        EXPECT_FALSE(bitmap) << c.description;
        EXPECT_LT(*largest, 64u * 1024) << c.description;
    }
}

TEST(BitmapResourceTest, EveryBuiltInBitmapDecodes) {
    struct Case {
        const char* name;
        int width, height;
        uint32_t compression;
    } cases[] = {
        {"BV-CHAN", 100, 79, 0},  {"BV-CHAND", 100, 79, 0},   {"BV-CHANO", 100, 79, 0},
        {"BV-CTRL", 211, 45, 0},  {"BV-CTRLD", 211, 45, 0},   {"BV-CTRLO", 211, 45, 0},
        {"BV-DCC", 800, 19, 0},   {"BV-DCCD", 126, 19, 0},    {"BV-DCCO", 126, 19, 0},
        {"BV-HELP", 700, 20, 0},  {"BV-HELPD", 700, 20, 0},   {"BV-HELPO", 700, 20, 0},
        {"STUPIDICON", 48, 48, 0}, {"TITLESCREEN", 600, 420, 99}, {"Screen", 383, 232, 99},
    };
    std::set<std::vector<uint8_t>> distinctPictures;
    for (const auto& c : cases) {
        std::optional<std::string_view> image = Resources::Find(c.name, "BrimBitmap");
        ASSERT_TRUE(image) << c.name;
        std::optional<BmpHeader> header = BmpHeader::Parse(*image);
        ASSERT_TRUE(header) << c.name;
        EXPECT_EQ(header->compression, c.compression) << c.name;
        EXPECT_EQ(header->bitsPerPixel, 8) << c.name;

        std::optional<CRawBitmap> bitmap = BitmapResource::Decode(*image);
        ASSERT_TRUE(bitmap) << c.name;
        EXPECT_EQ(bitmap->Width(), c.width) << c.name;
        EXPECT_EQ(bitmap->Height(), c.height) << c.name;
        EXPECT_EQ(bitmap->Stride(), static_cast<size_t>((c.width + 3) / 4 * 4)) << c.name;
        std::set<uint32_t> colours;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                BgrColour pixel = bitmap->PixelColour(x, y);
                colours.insert(pixel.blue | pixel.green << 8 | pixel.red << 16);
            }
        EXPECT_GE(colours.size(), 24u) << c.name << ": drawn, not a flat fill";
        distinctPictures.insert({bitmap->Pixels().begin(), bitmap->Pixels().end()});
    }
    EXPECT_EQ(distinctPictures.size(), std::size(cases)) << "every state of every strip differs";
}

TEST(BitmapResourceTest, ButtonStripsCarryTheirShadedColours) {
    for (const char* name : {"BV-CTRL", "BV-HELPO", "BV-DCC"}) {
        std::optional<CRawBitmap> loaded = BitmapResource::Load(name);
        ASSERT_TRUE(loaded) << name;
        CRawBitmap shaded = *loaded;
        shaded.AddShadedColours();
        EXPECT_EQ(shaded.Colours(), loaded->Colours()) << name << ": entries 64-255 already hold the shades";
        for (uint8_t index : loaded->Pixels()) ASSERT_LT(index, 64) << name;
    }
}

TEST(BitmapResourceTest, LoadingByNameIgnoresCaseAndReportsMissingOnes) {
    test::ScriptedUserInterface ui;
    std::optional<CRawBitmap> title = BitmapResource::Load("TitleScreen", true);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->Width(), 600);
    EXPECT_TRUE(ui.boxes.empty());

    EXPECT_FALSE(BitmapResource::Load("BV-NOSUCH"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_NE(ui.boxes[0].text.find("BitmapResource.cpp"), std::string::npos);
}

}  // namespace
}  // namespace parlevox
