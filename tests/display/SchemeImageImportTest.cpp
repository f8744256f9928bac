#include "display/SchemeImageImport.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/BmpFile.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

// A 2 x 2 solid 24-bit bitmap: stride 8, bottom row first.
//   top row:    (b1,g2,r3) (b4,g5,r6)
//   bottom row: (b7,g8,r9) (b10,g11,r12)
const std::string kSolidRows = "\x07\x08\x09\x0a\x0b\x0c\0\0\x01\x02\x03\x04\x05\x06\0\0"s;

std::vector<uint8_t> Pixels(const AlphaImage& image) {
    return image.Pixels();
}

class SchemeImageImportTest : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        test::WriteWholeFile(dir.File(name), bytes);
        return dir.File(name);
    }

    // The image every failing import must leave alone: 2 x 2, recognisable.
    AlphaImage Sample() {
        AlphaImage image(2, 2);
        for (size_t i = 0; i < image.Pixels().size(); ++i) image.Pixels()[i] = static_cast<uint8_t>(100 + i);
        return image;
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
};

TEST_F(SchemeImageImportTest, SolidBitmapBecomesAnOpaqueImageTopRowFirst) {
    AlphaImage image;
    std::string path = Write("a.bmp", test::MakeBmp({2, 2, 24, 0, "", kSolidRows}));
    ASSERT_TRUE(SchemeImageImport::LoadSolidBitmap(ui, path, image));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Pixels(image), (std::vector<uint8_t>{255, 1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12}));
}

TEST_F(SchemeImageImportTest, TransparencyBitmapSetsOpacityFromTheIndex) {
    AlphaImage image(2, 2);  // solid black
    // Indices 0 (solid), 255 (clear) on top, 1 and 200 below; the colour table is not consulted.
    std::string rows = "\x01\xc8\0\0\x00\xff\0\0"s;
    ASSERT_TRUE(SchemeImageImport::LoadTransparencyBitmap(ui, 
        Write("t.bmp", test::MakeBmp({2, 2, 8, 0, std::string(1024, '\x55'), rows})), image));
    EXPECT_EQ(Pixels(image), (std::vector<uint8_t>{255, 0, 0, 0, 0, 0, 0, 0, 254, 0, 0, 0, 55, 0, 0, 0}));
}

TEST_F(SchemeImageImportTest, RawFileIsRedGreenBlueAlpha) {
    AlphaImage image;
    ASSERT_TRUE(SchemeImageImport::LoadRawImage(ui, Write("r.raw", "\x01\x02\x03\x00\x04\x05\x06\xff"s), 2, 1, image));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 1);
    EXPECT_EQ(Pixels(image), (std::vector<uint8_t>{255, 3, 2, 1, 0, 6, 5, 4}));
}

TEST_F(SchemeImageImportTest, RefusalsShowTheirBoxAndKeepTheImage) {
    const char* kInvalidTitle = "Invalid BMP file";
    const char* kReadTitle = "Error reading file";
    const std::string solid = test::MakeBmp({2, 2, 24, 0, "", kSolidRows});
    const std::string grey = test::MakeBmp({2, 2, 8, 0, "", std::string(8, '\0')});
    enum Kind { Solid, Transparency, Raw };
    struct Case {
        const char* description;
        Kind kind;
        std::string file;  // empty: no such file
        const char* title;
        const char* textStart;
        int rawWidth = 2, rawHeight = 2;
    } cases[] = {
        {"solid: 8 bits", Solid, grey, kInvalidTitle, "The .bmp file you selected is not a 24-bit"},
        {"solid: 32 bits", Solid, test::MakeBmp({2, 2, 32, 0, "", std::string(16, '\0')}), kInvalidTitle,
         "The .bmp file you selected is not a 24-bit"},
        {"solid: compressed", Solid, test::MakeBmp({2, 2, 24, 1, "", kSolidRows}), kInvalidTitle,
         "The .bmp file you selected is not a 24-bit"},
        {"solid: truncated rows", Solid, solid.substr(0, solid.size() - 1), kReadTitle,
         "There was an error reading the file. Make sure the file is a valid bitmap file"},
        {"solid: header only", Solid, solid.substr(0, 30), kReadTitle, "There was an error reading the file."},
        {"solid: no such file", Solid, "", kReadTitle, "There was an error reading the file."},
        {"solid: negative height", Solid, test::MakeBmp({2, -2, 24, 0, "", kSolidRows}), kReadTitle,
         "There was an error reading the file."},
        {"solid: width x height past 32 bits", Solid, test::MakeBmp({0x10000, 0x10000, 24, 0, "", kSolidRows}),
         kReadTitle, "There was an error reading the file."},
        {"solid: rows claim the whole 32-bit range", Solid, test::MakeBmp({32767, 32767, 24, 0, "", kSolidRows}),
         kReadTitle, "There was an error reading the file."},
        {"transparency: 24 bits", Transparency, solid, kInvalidTitle, "The .bmp file you selected is not an 8-bit"},
        {"transparency: one pixel narrower", Transparency, test::MakeBmp({1, 2, 8, 0, "", std::string(8, '\0')}),
         "BMP file incorrect size", "The transparency bitmap you selected does not exactly match"},
        {"transparency: one row more", Transparency, test::MakeBmp({2, 3, 8, 0, "", std::string(12, '\0')}),
         "BMP file incorrect size", "The transparency bitmap you selected"},
        {"transparency: truncated rows", Transparency, grey.substr(0, grey.size() - 2), kReadTitle,
         "There was an error reading the file."},
        {"raw: one byte too many", Raw, std::string(2 * 2 * 4 + 1, 'x'), "Incorrect size",
         "The .raw file did not match the size specified."},
        {"raw: one byte short", Raw, std::string(2 * 2 * 4 - 1, 'x'), "Incorrect size", "The .raw file did not"},
        {"raw: no such file", Raw, "", "Error reading file",
         "There was an error reading the file. Make sure the file is a valid .raw file"},
        {"raw: negative size", Raw, std::string(16, 'x'), "Incorrect size", "The .raw file did not", -2, -2},
        {"raw: size past 32 bits", Raw, std::string(16, 'x'), "Incorrect size", "The .raw file did not", 0x10000,
         0x10000},
    };
    for (const auto& c : cases) {
        ui.boxes.clear();
        AlphaImage image = Sample();
        std::string path = c.file.empty() ? dir.File("missing") : Write("in", c.file);
        bool loaded = c.kind == Solid          ? SchemeImageImport::LoadSolidBitmap(ui, path, image)
                      : c.kind == Transparency ? SchemeImageImport::LoadTransparencyBitmap(ui, path, image)
                                               : SchemeImageImport::LoadRawImage(ui, path, c.rawWidth, c.rawHeight, image);
        EXPECT_FALSE(loaded) << c.description;
        EXPECT_EQ(Pixels(image), Pixels(Sample())) << c.description;
        ASSERT_EQ(ui.boxes.size(), 1u) << c.description;
        EXPECT_EQ(ui.boxes[0].title, c.title) << c.description;
        EXPECT_EQ(ui.boxes[0].text.rfind(c.textStart, 0), 0u) << c.description << ": " << ui.boxes[0].text;
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation) << c.description;
    }
}

TEST_F(SchemeImageImportTest, MessagesAreTheSystemsOwn) {
    AlphaImage image = Sample();
    SchemeImageImport::LoadSolidBitmap(ui, Write("g.bmp", test::MakeBmp({2, 2, 8, 0, "", std::string(8, '\0')})), image);
    SchemeImageImport::LoadRawImage(ui, Write("r.raw", std::string(17, 'x')), 2, 2, image);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text,
              "The .bmp file you selected is not a 24-bit uncompressed bitmap. You can use an image editing program "
              "to convert the bitmap file into a 24-bit uncompressed bitmap, and then attempt to load it again.");
    EXPECT_EQ(ui.boxes[1].text,
              "The .raw file did not match the size specified. Check that the size is exactly correct, and that the "
              ".raw file is an RGB (24-bit) image plus one (8-bit) alpha channel, making a total of four bytes per "
              "pixel.");
}

}  // namespace
}  // namespace parlevox
