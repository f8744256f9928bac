#include "platform/RegeditText.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

const std::string kKey = "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\T]\n";
const std::string kSection = "Software\\quornwright\\Parlevox\\T";

TEST(RegeditTextTest, WritesTheExportFormat) {
    Registry store;
    store.WriteProfileInt("Colours", "Colour1", 0x1a);
    store.WriteProfileString("Colours", "Font name", R"(Fix"ed\sys)");
    store.WriteProfileString("Colours", "", "dflt");
    store.WriteProfileString("Colours", "Lines", "a\nb");
    store.SetValue("Software\\quornwright\\Parlevox\\Colours", "Pic", RegistryValue::FromBinary("\x01\xab"s));
    store.CreateKey("Software\\quornwright\\Parlevox\\Empty");
    EXPECT_EQ(store.ExportText(),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\Software]\n\n"
              "[HKEY_CURRENT_USER\\Software\\quornwright]\n\n"
              "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox]\n\n"
              "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Colours]\n"
              "@=\"dflt\"\n"
              "\"Colour1\"=dword:0000001a\n"
              "\"Font name\"=\"Fix\\\"ed\\\\sys\"\n"
              "\"Lines\"=hex(1):61,0a,62,00\n"
              "\"Pic\"=hex:01,ab\n\n"
              "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Empty]\n\n");
}

TEST(RegeditTextTest, LongHexIsWrappedAndReadBack) {
    RegistryKey root;
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i * 7);
    root.Create("K").values["Long"] = RegistryValue::FromBinary(bytes);
    const std::string text = RegeditText::Write(root);
    size_t longest = 0, start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        longest = std::max(longest, end - start);
    EXPECT_LE(longest, 80u);
    EXPECT_NE(text.find(",\\\n  "), std::string::npos);

    RegistryKey copy;
    EXPECT_EQ(RegeditText::Read(text, copy).skippedLines, 0);
    ASSERT_NE(copy.Find("k"), nullptr);
    EXPECT_EQ(copy.Find("k")->values["long"].data, bytes);
}

// Each bad input loads what it can: the rest of the file still counts.
TEST(RegeditTextTest, GarbageLoadsWhatItCan) {
    struct Case {
        const char* description;
        std::string text;
        std::vector<std::pair<std::string, RegistryValue>> loaded;  // all of key T
        int skipped;
    } cases[] = {
        {"empty file", "", {}, 0},
        {"header only", "REGEDIT4", {}, 0},
        {"no header", kKey + "\"a\"=\"1\"", {{"a", RegistryValue::FromString("1")}}, 0},
        {"CRLF line ends", "REGEDIT4\r\n\r\n" + kKey + "\"a\"=\"1\"\r\n\"b\"=dword:00000002\r\n",
         {{"a", RegistryValue::FromString("1")}, {"b", RegistryValue::FromDword(2)}}, 0},
        {"blanks around lines and =", kKey + "  \"a\" = dword:0000000A  \n",
         {{"a", RegistryValue::FromDword(10)}}, 0},
        {"truncated in a string", kKey + "\"a\"=\"1\"\n\"b\"=\"tru", {{"a", RegistryValue::FromString("1")}}, 1},
        {"truncated in a name", kKey + "\"a\"=\"1\"\n\"b", {{"a", RegistryValue::FromString("1")}}, 1},
        {"truncated after =", kKey + "\"a\"=", {}, 1},
        {"dword of 7 digits", kKey + "\"a\"=dword:0000001\n\"b\"=dword:0000001a",
         {{"b", RegistryValue::FromDword(26)}}, 1},
        {"dword of 9 digits", kKey + "\"a\"=dword:000000001", {}, 1},
        {"dword not hex", kKey + "\"a\"=dword:0000001g", {}, 1},
        {"key line without closing bracket",
         kKey + "\"a\"=\"1\"\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\T\n\"b\"=\"2\"",
         {{"a", RegistryValue::FromString("1")}}, 2},
        {"name with an embedded quote", kKey + "\"Na\"me\"=\"x\"\n\"ok\"=\"y\"",
         {{"ok", RegistryValue::FromString("y")}}, 1},
        {"text after the closing quote", kKey + "\"a\"=\"x\"junk", {}, 1},
        {"escaped quote never closes", kKey + "\"a\"=\"x\\\"", {}, 1},
        {"garbage lines", kKey + "hello\n=\n\x01\x02\n\"a\"=\"1\"\n", {{"a", RegistryValue::FromString("1")}}, 3},
        {"NUL bytes in names and text", kKey + "\"a\0b\"=\"c\0d\"\n"s,
         {{"a\0b"s, RegistryValue::FromString("c\0d"s)}}, 0},
        {"value before any key", "\"a\"=\"1\"\n" + kKey, {}, 1},
        {"other hive is ignored", "[HKEY_LOCAL_MACHINE\\Software\\quornwright\\Parlevox\\T]\n\"a\"=\"1\"\n", {}, 0},
        {"deletion lines are not read", "[-HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\T]\n\"a\"=\"1\"\n",
         {}, 2},
        {"hex with one-digit byte", kKey + "\"a\"=hex:1,02", {}, 1},
        {"hex with trailing comma", kKey + "\"a\"=hex:01,", {}, 1},
        {"hex of an unknown type", kKey + "\"a\"=hex(7):61,00,00", {}, 1},
        {"hex type too long", kKey + "\"a\"=hex(123456789):61", {}, 1},
        {"hex(1) without terminating zero", kKey + "\"a\"=hex(1):61", {{"a", RegistryValue::FromString("a")}}, 0},
        {"hex(4) of 2 bytes", kKey + "\"a\"=hex(4):01,02", {{"a", RegistryValue {RegistryType::Dword, "\x01\x02"}}},
         0},
        {"hex(4) of 4 bytes", kKey + "\"a\"=hex(4):01,00,00,00", {{"a", RegistryValue::FromDword(1)}}, 0},
        {"wrapped hex cut short keeps the next key",
         kKey + "\"a\"=hex:01,\\\n[HKEY_CURRENT_USER\\Other]\n\"b\"=\"2\"", {}, 1},
        {"wrapped hex at end of file", kKey + "\"a\"=hex:01,\\", {}, 1},
        {"wrapped hex", kKey + "\"a\"=hex:01,\\\n  02,\\\r\n  03\n", {{"a", RegistryValue::FromBinary("\1\2\3")}}, 0},
        {"later value replaces", kKey + "\"a\"=\"1\"\n\"A\"=\"2\"", {{"a", RegistryValue::FromString("2")}}, 0},
        {"comment lines", kKey + "; a comment\n@=\"d\"", {{"", RegistryValue::FromString("d")}}, 0},
        {"too deep a key",
         [] {
             std::string line = "[HKEY_CURRENT_USER";
             for (size_t i = 0; i <= RegeditText::kMaxKeyDepth; ++i) line += "\\k";
             return line + "]\n\"a\"=\"1\"\n";
         }(),
         {}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        Registry store;
        EXPECT_EQ(store.ImportText(c.text), c.skipped);
        const RegistryKey* key = store.OpenKey(kSection);
        const size_t count = key ? key->values.size() : 0;
        EXPECT_EQ(count, c.loaded.size());
        for (const auto& [name, expected] : c.loaded) {
            std::optional<RegistryValue> value = store.GetValue(kSection, name);
            ASSERT_TRUE(value) << name;
            EXPECT_EQ(value->type, expected.type);
            EXPECT_EQ(value->data, expected.data);
        }
    }
}

RegistryKey SampleTree() {
    RegistryKey root;
    root.values["AtRoot"] = RegistryValue::FromDword(3);
    RegistryKey& app = root.Create("Software").Create("quornwright").Create("Parlevox");
    app.Create("Colours").values["Colour1"] = RegistryValue::FromDword(0xff00ff);
    app.Create("Colours").values["Font name"] = RegistryValue::FromString("Fixedsys");
    app.Create("Your info").values["Quit message"] = RegistryValue::FromString("bye \"x\" C:\\ \r\n\xe9");
    app.Create("Your info").values[""] = RegistryValue::FromString("");
    std::string picture;
    for (int i = 0; i < 200; ++i) picture += static_cast<char>(i);
    app.Create("Pics").values["Pic"] = RegistryValue::FromBinary(picture);
    app.Create("Empty key");
    app.Create("Odd ]name[ \"x\"").values["n\\\"\x01"] = RegistryValue {RegistryType::Dword, "\x01"};
    return root;
}

TEST(RegeditTextTest, ExportedTextImportsIntoAnEqualStore) {
    RegistryKey original = SampleTree();
    const std::string text = RegeditText::Write(original);
    RegistryKey copy;
    RegeditText::ReadResult result = RegeditText::Read(text, copy);
    EXPECT_EQ(result.skippedLines, 0);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(RegeditText::Write(copy), text);
}

TEST(RegeditTextTest, NamesThatCannotStandInAKeyLineStayInMemory) {
    RegistryKey root;
    root.Create("a\nb").values["x"] = RegistryValue::FromDword(1);
    root.Create("c\\d").values["x"] = RegistryValue::FromDword(1);
    root.Create("ok");
    EXPECT_EQ(RegeditText::Write(root), "REGEDIT4\n\n[HKEY_CURRENT_USER\\ok]\n\n");
}

// Every key line spells its whole path, so depth multiplies the size of
// the text: the depth limit holds both ways.
TEST(RegeditTextTest, KeysDeeperThanTheLimitAreNeitherWrittenNorRead) {
    RegistryKey root;
    RegistryKey* key = &root;
    for (size_t depth = 1; depth <= RegeditText::kMaxKeyDepth + 5; ++depth) {
        key = &key->Create("k");
        key->values["d"] = RegistryValue::FromDword(static_cast<uint32_t>(depth));
    }
    const std::string text = RegeditText::Write(root);
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '[')), RegeditText::kMaxKeyDepth);
    EXPECT_NE(text.find("=dword:" + fmt::format("{:08x}", RegeditText::kMaxKeyDepth)), std::string::npos);
    RegistryKey copy;
    EXPECT_EQ(RegeditText::Read(text, copy).skippedLines, 0);
    EXPECT_EQ(RegeditText::Write(copy), text);

    // 100 keys 511 levels deep once exported to 27 MB from 104 KB.
    std::string hostile = "REGEDIT4\n";
    for (int i = 0; i < 100; ++i) {
        hostile += "[HKEY_CURRENT_USER\\" + std::to_string(i);
        for (int level = 1; level < 511; ++level) hostile += "\\k";
        hostile += "]\n";
    }
    RegistryKey damaged;
    EXPECT_EQ(RegeditText::Read(hostile, damaged).skippedLines, 100);
    EXPECT_LT(RegeditText::Write(damaged).size(), 64u);
}

// Random damage to a valid export: whatever loads must itself export and
// import again unchanged.
TEST(RegeditTextTest, MutatedFilesLeaveAUsableStore) {
    const std::string base = RegeditText::Write(SampleTree());
    const std::string alphabet = "\r\n\\\"[]=@:,;-0aFhexdword(1)HKEY_CURRENT_USER\x01\x80\xff"s + '\0';
    std::mt19937 random(20240611);
    auto pick = [&random](size_t bound) { return std::uniform_int_distribution<size_t>(0, bound)(random); };
    for (int iteration = 0; iteration < 2000; ++iteration) {
        std::string text = base;
        for (size_t edits = 1 + pick(3); edits > 0; --edits) {
            size_t at = pick(text.size());
            switch (pick(4)) {
            case 0: text.insert(at, 1, alphabet[pick(alphabet.size() - 1)]); break;
            case 1: if (at < text.size()) text[at] = static_cast<char>(pick(255)); break;
            case 2: text.erase(at, pick(40)); break;
            case 3: text.insert(at, text.substr(pick(text.size()), pick(60))); break;
            default: text.resize(at); break;
            }
        }
        RegistryKey damaged;
        RegeditText::Read(text, damaged);
        const std::string exported = RegeditText::Write(damaged);
        RegistryKey again;
        ASSERT_EQ(RegeditText::Read(exported, again).skippedLines, 0) << "iteration " << iteration;
        ASSERT_EQ(RegeditText::Write(again), exported) << "iteration " << iteration;
    }
}

}  // namespace
}  // namespace parlevox
