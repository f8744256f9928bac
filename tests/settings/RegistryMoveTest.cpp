#include "settings/RegistryMove.h"

#include <string>

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

const std::string kOld = "Software\\Software Amberlode\\Brimvale";
const std::string kNew = "Software\\quornwright\\Parlevox";

TEST(RegistryMoveTest, NothingToMoveIsASuccessThatChangesNothing) {
    test::ScriptedUserInterface ui;
    test::TempDir dir;
    // The former maker's key alone is not the former key.
    test::WriteWholeFile(dir.File("fresh.reg"), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Software Amberlode]\n");
    Registry registry;
    ASSERT_TRUE(registry.Load(dir.File("fresh.reg")));
    ASSERT_NE(registry.OpenKey("Software\\Software Amberlode"), nullptr);
    EXPECT_TRUE(RegistryMove::RunOrReport(registry, ui));
    EXPECT_FALSE(registry.Modified());
    EXPECT_EQ(registry.OpenKey(kNew), nullptr);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(RegistryMoveTest, TheWholeTreeMovesWithItsTypes) {
    struct Value {
        std::string key;  // below the former key
        std::string name;
        RegistryValue value;
    };
    const Value values[] = {
        {"", "Loose", RegistryValue::FromString("top level")},
        {"", "", RegistryValue::FromString("default value")},
        {"Channels", "Count", RegistryValue::FromDword(2)},
        {"Channels", "00000000Name", RegistryValue::FromString("#a\r\n\x01")},
        {"Servers", "Picture", RegistryValue::FromBinary("\0\xff\x10"s)},
        {"Servers", "Odd", RegistryValue {RegistryType::Dword, "\x01\x02"s}},
        {"Servers\\Deeper\\Deepest", "Port1", RegistryValue::FromDword(6667)},
        {"Empty key", "", RegistryValue::FromDword(0)},
    };
    Registry registry;
    for (const Value& v : values) registry.SetValue(kOld + (v.key.empty() ? "" : "\\" + v.key), v.name, v.value);
    registry.DeleteValue(kOld + "\\Empty key", "");
    registry.WriteProfileString("Servers", "Server1", "kept");
    registry.WriteProfileInt("Channels", "Count", 9);  // the old value wins

    ASSERT_TRUE(RegistryMove::Run(registry));
    for (const Value& v : values) {
        if (v.key == "Empty key") continue;
        std::optional<RegistryValue> moved = registry.GetValue(kNew + (v.key.empty() ? "" : "\\" + v.key), v.name);
        ASSERT_TRUE(moved) << v.key << "/" << v.name;
        EXPECT_EQ(*moved, v.value) << v.key << "/" << v.name;
    }
    EXPECT_NE(registry.OpenKey(kNew + "\\Empty key"), nullptr);
    EXPECT_EQ(registry.GetProfileString("Servers", "Server1"), "kept");
    EXPECT_EQ(registry.OpenKey(kOld), nullptr);
    EXPECT_NE(registry.OpenKey("Software\\Software Amberlode"), nullptr);
}

TEST(RegistryMoveTest, ValuesBeyondTheLimitsFailTheMoveAndLeaveTheStore) {
    struct Case {
        const char* description;
        std::string name;
        RegistryValue value;
        bool moves;
    } cases[] = {
        {"longest name", std::string(1024, 'n'), RegistryValue::FromDword(1), true},
        {"name too long", std::string(1025, 'n'), RegistryValue::FromDword(1), false},
        {"longest binary", "b", RegistryValue::FromBinary(std::string(1024, 'x')), true},
        {"binary too long", "b", RegistryValue::FromBinary(std::string(1025, 'x')), false},
        {"longest string with its zero", "s", RegistryValue::FromString(std::string(1023, 'x')), true},
        {"string too long for its zero", "s", RegistryValue::FromString(std::string(1024, 'x')), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        test::ScriptedUserInterface ui;
        Registry registry;
        registry.SetValue(kOld + "\\Fine", "x", RegistryValue::FromDword(1));
        registry.SetValue(kOld + "\\Deep\\Er", c.name, c.value);
        const std::string before = registry.ExportText();
        EXPECT_EQ(RegistryMove::RunOrReport(registry, ui), c.moves);
        if (c.moves) {
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(registry.GetValue(kNew + "\\Deep\\Er", c.name), c.value);
            continue;
        }
        EXPECT_EQ(registry.ExportText(), before);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, "Error!");
        EXPECT_EQ(ui.boxes[0].text,
                  "There was a problem moving registry data from the old to the new registry key. Parlevox's "
                  "settings could not be initialised.\n\nIf this problem does not go away, uninstall or delete "
                  "Parlevox and use RegEdit to delete the HKEY_CURRENT_USER\\Software\\quornwright\\Parlevoxfolder "
                  "from the registry. Then reinstall.");
    }
}

}  // namespace
}  // namespace parlevox
