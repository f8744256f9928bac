#include "display/ModuleIconImport.h"

#include <string>

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

std::string RgbRamp(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 13 % 251);
    return bytes;
}

TEST(ModuleIconImportTest, RedGreenBlueBecomesBlueGreenRed) {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    const std::string rgb = RgbRamp(6912);
    for (size_t extra : {0, 100}) {  // bytes after the 6912 are not read
        test::WriteWholeFile(dir.File("icon.raw"), rgb + std::string(extra, 'x'));
        CRawBitmap icon;
        ASSERT_TRUE(ModuleIconImport::Load(ui, dir.File("icon.raw"), icon));
        ASSERT_EQ(icon.Width(), 48);
        ASSERT_EQ(icon.Height(), 48);
        ASSERT_TRUE(icon.IsTrueColour());
        for (int y : {0, 17, 47})
            for (int x : {0, 30, 47}) {
                size_t at = (static_cast<size_t>(y) * 48 + x) * 3;
                EXPECT_EQ(icon.PixelColour(x, y),
                          (BgrColour{static_cast<uint8_t>(rgb[at + 2]), static_cast<uint8_t>(rgb[at + 1]),
                                     static_cast<uint8_t>(rgb[at])}))
                    << x << "," << y;
            }
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ModuleIconImportTest, ShortOrUnreadableFilesAreRefused) {
    test::TempDir dir;
    struct Case {
        const char* description;
        std::string path;
        const char* text;
    } cases[] = {
        {"one byte short", dir.File("short.raw"),
         "Couldn't read sufficient data from file; ensure it really is a .raw graphic, 48*48 in 24-bit colour with no "
         "header."},
        {"empty", dir.File("empty.raw"), "Couldn't read sufficient data from file; ensure it really is a .raw graphic, "
                                         "48*48 in 24-bit colour with no header."},
        {"no such file", dir.File("missing.raw"), "Failed to open or read file."},
        {"a folder", dir.Path(), "Failed to open or read file."},
    };
    test::WriteWholeFile(dir.File("short.raw"), RgbRamp(6911));
    test::WriteWholeFile(dir.File("empty.raw"), "");
    for (const auto& c : cases) {
        test::ScriptedUserInterface ui;
        CRawBitmap icon = CRawBitmap::Palette(3, 3);
        EXPECT_FALSE(ModuleIconImport::Load(ui, c.path, icon)) << c.description;
        EXPECT_EQ(icon.Width(), 3) << c.description << ": the icon stays as it was";
        ASSERT_EQ(ui.boxes.size(), 1u) << c.description;
        EXPECT_EQ(ui.boxes[0].title, "Set Icon error") << c.description;
        EXPECT_EQ(ui.boxes[0].text, c.text) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
