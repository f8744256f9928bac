#include "settings/PlugInSettings.h"

#include <algorithm>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

TEST(PlugInSettingsTest, StringsFitThePlugInsBuffer) {
    Registry registry;
    PlugInSettings viewer(registry, "JPEG viewer");
    viewer.WriteString("Folder", "abcdef");
    viewer.WriteInt("Zoom", -3);
    EXPECT_EQ(registry.GetProfileString("plug-in jpeg VIEWER", "folder"), "abcdef");
    EXPECT_EQ(PlugInSettings(registry, "JPEG viewer").ReadInt("Zoom", 1), -3);
    EXPECT_EQ(PlugInSettings(registry, "Other").ReadInt("Zoom", 1), 1);

    struct Case {
        const char* name;
        int length;
        std::string expected;  // the buffer up to its zero
    } cases[] = {
        {"Folder", 100, "abcdef"}, {"Folder", 7, "abcdef"}, {"Folder", 6, "abcde"},
        {"Folder", 1, ""},         {"Missing", 4, "dfl"},   {"Missing", 3, "df"},
    };
    for (const auto& c : cases) {
        char buffer[128];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        int copied = viewer.ReadString(c.name, "dflt", buffer, c.length);
        EXPECT_EQ(std::string(buffer), c.expected) << c.name << " into " << c.length;
        EXPECT_EQ(copied, static_cast<int>(c.expected.size()));
        EXPECT_EQ(buffer[c.length], '#') << "nothing written past the buffer";
    }
    char untouched = '#';
    EXPECT_EQ(viewer.ReadString("Folder", "", &untouched, 0), 0);
    EXPECT_EQ(untouched, '#');
    EXPECT_EQ(viewer.ReadString("Folder", "", nullptr, 10), 0);
}

}  // namespace
}  // namespace parlevox
