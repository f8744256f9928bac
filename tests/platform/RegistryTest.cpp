#include "platform/Registry.h"

#include <sys/stat.h>

#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;
using test::ReadWholeFile;
using test::TempDir;
using test::WriteWholeFile;

std::string Bytes(int from, int to) {
    std::string out;
    for (int c = from; c <= to; ++c) out += static_cast<char>(c);
    return out;
}

struct NamedValue {
    const char* description;
    std::string name;
    RegistryValue value;
};

std::vector<NamedValue> HostileValues() {
    return {
        {"plain text", "Plain", RegistryValue::FromString("Fixedsys")},
        {"empty text", "Empty", RegistryValue::FromString("")},
        {"quotes", "Quotes", RegistryValue::FromString(R"(he said "hi" "")")},
        {"backslashes", "Backslashes", RegistryValue::FromString(R"(C:\Program Files\x\)")},
        {"quote after backslash", "Tricky", RegistryValue::FromString(R"(a\"b\\"c\)")},
        {"CR and LF", "Lines", RegistryValue::FromString("one\r\ntwo\nthree\r")},
        {"NUL inside", "Nul", RegistryValue::FromString("a\0b"s)},
        {"NUL alone", "NulOnly", RegistryValue::FromString("\0"s)},
        {"trailing NULs", "NulEnd", RegistryValue::FromString("ab\0\0"s)},
        {"bytes 1-31", "Low", RegistryValue::FromString(Bytes(1, 31))},
        {"bytes 127-255", "High", RegistryValue::FromString(Bytes(127, 255))},
        {"long text with controls", "Long", RegistryValue::FromString(Bytes(0, 255) + Bytes(0, 255))},
        {"dword zero", "Zero", RegistryValue::FromDword(0)},
        {"dword", "Colour1", RegistryValue::FromDword(0x1a)},
        {"dword all ones", "Ones", RegistryValue::FromDword(0xffffffffu)},
        {"dword of 3 bytes", "Short", RegistryValue {RegistryType::Dword, "abc"}},
        {"binary empty", "BinEmpty", RegistryValue::FromBinary("")},
        {"binary every byte", "BinAll", RegistryValue::FromBinary(Bytes(0, 255))},
        {"default value name", "", RegistryValue::FromString("default")},
        {"name with quote and backslash", R"(Na"me\)", RegistryValue::FromDword(7)},
        {"name with controls", "a\r\nb\x01\0c"s, RegistryValue::FromDword(8)},
        {"name with high bytes", "caf\xe9", RegistryValue::FromDword(9)},
    };
}

TEST(RegistryTest, EveryValueSurvivesSaveAndLoad) {
    TempDir dir;
    Registry saved;
    saved.Load(dir.File("sub/registry.reg"));
    for (const auto& row : HostileValues()) saved.SetValue("Software\\Test", row.name, row.value);
    ASSERT_TRUE(saved.Save());

    Registry loaded;
    ASSERT_TRUE(loaded.Load(dir.File("sub/registry.reg")));
    for (const auto& row : HostileValues()) {
        SCOPED_TRACE(row.description);
        std::optional<RegistryValue> value = loaded.GetValue("Software\\Test", row.name);
        ASSERT_TRUE(value);
        EXPECT_EQ(value->type, row.value.type);
        EXPECT_EQ(value->data, row.value.data);
    }
    EXPECT_EQ(loaded.OpenKey("Software\\Test")->values.size(), HostileValues().size());
}

TEST(RegistryTest, KeysAndNamesIgnoreCase) {
    Registry store;
    store.WriteProfileInt("Misc", "Smooth scroll", 1);
    store.WriteProfileInt("MISC", "SMOOTH SCROLL", 2);
    store.WriteProfileString("misc", "Double-click command", "/query %");
    EXPECT_EQ(store.GetProfileInt("mIsC", "smooth Scroll", 0), 2);
    EXPECT_EQ(store.GetProfileString("MISC", "DOUBLE-CLICK COMMAND"), "/query %");
    const RegistryKey* misc = store.OpenKey("SOFTWARE\\Quornwright\\parlevox\\misc");
    ASSERT_NE(misc, nullptr);
    EXPECT_EQ(misc->name, "Misc");  // the first spelling stays
    EXPECT_EQ(misc->values.size(), 2u);
    EXPECT_EQ(misc->values.begin()->first, "Double-click command");
    EXPECT_EQ(store.OpenKey("Software\\quornwright")->subkeys.size(), 1u);
}

TEST(RegistryTest, MissingOrMalformedValuesGiveTheDefault) {
    Registry store;
    const std::string section = "Software\\quornwright\\Parlevox\\S";
    store.SetValue(section, "Text", RegistryValue::FromString("12"));
    store.SetValue(section, "Bin4", RegistryValue::FromBinary("\x01\0\0\0"s));
    store.SetValue(section, "Dword3", RegistryValue {RegistryType::Dword, "\x01\0\0"s});
    store.SetValue(section, "Dword5", RegistryValue {RegistryType::Dword, "\x01\0\0\0\0"s});
    store.SetValue(section, "Num", RegistryValue::FromDword(5));
    store.SetValue(section, "EmptyText", RegistryValue::FromString(""));
    store.WriteProfileInt("S", "Negative", -15);
    store.WriteProfileInt("S", "Lowest", INT_MIN);

    struct IntCase {
        const char* section;
        const char* name;
        int expected;
    } intCases[] = {
        {"Nowhere", "Num", -3}, {"S", "Missing", -3}, {"S", "Text", -3}, {"S", "Bin4", -3},
        {"S", "Dword3", -3},    {"S", "Dword5", -3},  {"S", "Num", 5},    {"s", "negative", -15},
        {"S", "Lowest", INT_MIN},
    };
    for (const auto& c : intCases) EXPECT_EQ(store.GetProfileInt(c.section, c.name, -3), c.expected) << c.name;

    struct StringCase {
        const char* name;
        std::string expected;
    } stringCases[] = {
        {"Missing", "dflt"}, {"Num", "dflt"}, {"Bin4", "dflt"}, {"Text", "12"}, {"EmptyText", ""},
    };
    for (const auto& c : stringCases) EXPECT_EQ(store.GetProfileString("S", c.name, "dflt"), c.expected) << c.name;
    EXPECT_EQ(store.GetProfileString("S", "Missing"), "");
}

TEST(RegistryTest, ChangesSetTheModifiedFlag) {
    struct Case {
        const char* description;
        void (*change)(Registry&);
        bool modifies;
    } cases[] = {
        {"write int", [](Registry& r) { r.WriteProfileInt("A", "x", 1); }, true},
        {"write string", [](Registry& r) { r.WriteProfileString("A", "y", "v"); }, true},
        {"set value", [](Registry& r) { r.SetValue("K", "z", RegistryValue::FromBinary("b")); }, true},
        {"create key", [](Registry& r) { r.CreateKey("New\\Key"); }, true},
        {"delete value", [](Registry& r) { r.DeleteValue("Old", "v"); }, true},
        {"delete key", [](Registry& r) { r.DeleteKey("old"); }, true},
        {"delete missing value", [](Registry& r) { r.DeleteValue("Old", "nope"); }, false},
        {"delete missing key", [](Registry& r) { r.DeleteKey("Old\\nope"); }, false},
        {"open existing key", [](Registry& r) { r.CreateKey("OLD"); }, false},
        {"read", [](Registry& r) { r.GetProfileInt("Old", "v", 0); }, false},
    };
    TempDir dir;
    WriteWholeFile(dir.File("flag.reg"), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Old]\n\"v\"=dword:00000001\n");
    for (const auto& c : cases) {
        Registry store;
        ASSERT_TRUE(store.Load(dir.File("flag.reg")));
        ASSERT_FALSE(store.Modified());
        c.change(store);
        EXPECT_EQ(store.Modified(), c.modifies) << c.description;
    }
}

TEST(RegistryTest, DeleteKeyTakesEverythingBelow) {
    Registry store;
    store.SetValue("A\\B\\C", "v", RegistryValue::FromDword(1));
    store.SetValue("A\\D", "w", RegistryValue::FromDword(2));
    EXPECT_TRUE(store.DeleteKey("a\\b"));
    EXPECT_EQ(store.OpenKey("A\\B"), nullptr);
    EXPECT_FALSE(store.GetValue("A\\B\\C", "v"));
    EXPECT_TRUE(store.GetValue("A\\D", "w"));
    EXPECT_FALSE(store.DeleteKey(""));  // HKEY_CURRENT_USER itself stays
    EXPECT_TRUE(store.DeleteValue("A\\D", "W"));
    EXPECT_FALSE(store.GetValue("A\\D", "w"));
}

TEST(RegistryTest, SaveIsAtomicAndParses) {
    TempDir dir;
    const std::string path = dir.File("deep/er/registry.reg");
    Registry store;
    EXPECT_TRUE(store.Load(path));  // missing file: an empty store
    EXPECT_EQ(store.FilePath(), path);
    store.WriteProfileString("Colours", "Font name", "Fixedsys");
    store.SetValue("Software\\x", "bin", RegistryValue::FromBinary(Bytes(0, 200)));
    ASSERT_TRUE(store.Save());
    EXPECT_FALSE(store.Modified());

    struct stat info {};
    EXPECT_NE(stat((path + ".tmp").c_str(), &info), 0) << "temporary file left behind";
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "settings hold passwords";
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.rfind("REGEDIT4\n\n", 0), 0u);

    Registry again;
    EXPECT_EQ(again.ImportText(text), 0);
    EXPECT_EQ(again.ExportText(), store.ExportText());
    EXPECT_TRUE(again.Load(path));
    EXPECT_EQ(again.GetProfileString("colours", "font name"), "Fixedsys");
}

TEST(RegistryTest, LoadReplacesTheStore) {
    TempDir dir;
    WriteWholeFile(dir.File("r.reg"), "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"a\"=dword:00000001\n");
    Registry store;
    store.SetValue("Other", "x", RegistryValue::FromDword(1));
    ASSERT_TRUE(store.Load(dir.File("r.reg")));
    EXPECT_EQ(store.OpenKey("Other"), nullptr);
    EXPECT_EQ(store.GetValue("K", "a")->AsDword(), 1u);
    EXPECT_FALSE(store.Modified());
    EXPECT_FALSE(store.Load(dir.Path()));  // a folder is not a readable file
    EXPECT_EQ(store.OpenKey("K"), nullptr);
}

TEST(RegistryTest, FailedSaveKeepsTheModifiedFlag) {
    TempDir dir;
    WriteWholeFile(dir.File("plain-file"), "x");
    struct Case {
        const char* description;
        std::string path;
    } cases[] = {
        {"folder is a file", dir.File("plain-file/registry.reg")},
        {"folder below a file", dir.File("plain-file/a/b/registry.reg")},
        {"target is a folder", dir.Path()},
        {"no path", ""},
    };
    for (const auto& c : cases) {
        Registry store;
        store.Load(c.path);
        store.WriteProfileInt("A", "b", 1);
        EXPECT_FALSE(store.Save()) << c.description;
        EXPECT_TRUE(store.Modified()) << c.description;
        EXPECT_FALSE(store.SaveIfModified()) << c.description;
    }
}

TEST(RegistryTest, DefaultFilePathFollowsTheEnvironment) {
    struct Case {
        const char* registry;
        const char* configHome;
        const char* home;
        std::string expected;
    } cases[] = {
        {"/r/x.reg", "/c", "/h", "/r/x.reg"},
        {nullptr, "/c", "/h", "/c/parlevox/registry.reg"},
        {"", "/c", "/h", "/c/parlevox/registry.reg"},
        {nullptr, nullptr, "/h", "/h/.config/parlevox/registry.reg"},
        {nullptr, "", "/h", "/h/.config/parlevox/registry.reg"},
    };
    for (const auto& c : cases) {
        test::ScopedEnvironment env;
        env.Set("PARLEVOX_REGISTRY", c.registry);
        env.Set("XDG_CONFIG_HOME", c.configHome);
        env.Set("HOME", c.home);
        EXPECT_EQ(Registry::DefaultFilePath(), c.expected);
    }
}

}  // namespace
}  // namespace parlevox
