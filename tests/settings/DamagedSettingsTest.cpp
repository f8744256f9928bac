// A damaged settings file loads as far as it can be read, the rest keeps
// its defaults, and the file is not rewritten unless something changes.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/PollEventLoop.h"
#include "platform/RegistryAutoSave.h"
#include "settings/OptionsRecord.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

const std::string kHead = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\";

const std::string kGoodFile = kHead + "Colours]\n"
                              "\"Font name\"=\"Arial\"\n"
                              "\"Font size\"=dword:00000009\n"
                              "\"Colour1\"=dword:00000004\n"
                              "\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Nicknames]\n"
                              "\"Name1\"=\"ann\"\n"
                              "\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Your info]\n"
                              "\"Real name\"=\"Ann\"\n"
                              "\"Picture\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\\n"
                              "  14,15,16,17,18,19,1a\n"
                              "\"Username\"=\"ann\"\n"
                              "\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Friends]\n"
                              "\"Count\"=dword:00000001\n"
                              "\"00000000Nickname\"=\"bob\"\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

struct Loaded {
    OptionsRecord record;
    int skippedLines = 0;
    bool rewritten = false;
};

// Loads the file as the client does, then exits: the record saves and the
// autosave has its last word.
Loaded LoadAndExit(const std::string& text) {
    test::TempDir dir;
    const std::string path = dir.File("registry.reg");
    test::WriteWholeFile(path, text);
    Loaded result;
    {
        PollEventLoop loop;
        Registry registry;
        registry.Load(path);
        RegistryAutoSave autoSave(loop, registry);
        result.record.Load(registry);
        result.skippedLines = registry.LoadSkippedLines();
        result.record.Save(registry);
    }
    result.rewritten = test::ReadWholeFile(path) != text;
    return result;
}

TEST(DamagedSettingsTest, DamageCostsOnlyTheDamagedValues) {
    using R = const OptionsRecord&;
    struct Case {
        const char* description;
        std::string text;
        std::function<bool(R)> lost;  // what the damage took
    } cases[] = {
        {"garbage lines", Replace(kGoodFile, "\"Name1\"", "junk here\n=\n\x01\xff\0zz\n[]\n\"\"\n\"Name1\""s),
         [](R) { return true; }},
        {"short dword", Replace(kGoodFile, "dword:00000009", "dword:9"), [](R r) { return r.colours.fontSize == 12; }},
        {"long dword", Replace(kGoodFile, "dword:00000009", "dword:000000009"),
         [](R r) { return r.colours.fontSize == 12; }},
        {"dword not hex", Replace(kGoodFile, "dword:00000009", "dword:0000000g"),
         [](R r) { return r.colours.fontSize == 12; }},
        {"text where a number belongs", Replace(kGoodFile, "dword:00000009", "\"9\""),
         [](R r) { return r.colours.fontSize == 12; }},
        {"key line without its bracket", Replace(kGoodFile, "Nicknames]", "Nicknames"),
         [](R r) { return r.nicknames[0].name.empty(); }},
        {"quotes inside a value name", Replace(kGoodFile, "\"Real name\"", "\"Real \"name\""),
         [](R r) { return r.yourInfo.realName.empty(); }},
        {"unclosed string", Replace(kGoodFile, "\"Ann\"", "\"Ann"), [](R r) { return r.yourInfo.realName.empty(); }},
        {"hex continuation missing", Replace(kGoodFile, "  14,15,16,17,18,19,1a\n", ""), [](R) { return true; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        Loaded loaded = LoadAndExit(c.text);
        EXPECT_TRUE(c.lost(loaded.record));
        // Everything else came through.
        const OptionsRecord& r = loaded.record;
        if (c.text.find("dword:00000009") != std::string::npos) {
            EXPECT_EQ(r.colours.fontSize, 9);
        }
        EXPECT_EQ(r.colours.fontName, "Arial");
        EXPECT_EQ(r.colours.values[0], 4);
        EXPECT_EQ(r.yourInfo.userName, "ann");
        ASSERT_EQ(r.friends.size(), 1u);
        EXPECT_EQ(r.friends[0].nickname, "bob");
        EXPECT_FALSE(loaded.rewritten);
    }
}

TEST(DamagedSettingsTest, ATruncatedFileNeverCrashesAndIsNotRewritten) {
    test::ScriptedUserInterface ui;
    for (size_t cut = 0; cut <= kGoodFile.size(); ++cut) {
        Loaded loaded = LoadAndExit(kGoodFile.substr(0, cut));
        ASSERT_FALSE(loaded.rewritten) << "cut at " << cut;
    }
    EXPECT_EQ(LoadAndExit(kGoodFile).skippedLines, 0);
}

TEST(DamagedSettingsTest, AChangeSavesEverythingThatWasRead) {
    test::TempDir dir;
    const std::string path = dir.File("registry.reg");
    test::WriteWholeFile(path, Replace(kGoodFile, "\"Name1\"", "garbage\n\"Name1\""));
    {
        PollEventLoop loop;
        Registry registry;
        registry.Load(path);
        RegistryAutoSave autoSave(loop, registry);
        OptionsRecord record;
        record.Load(registry);
        record.misc.smoothScroll = true;
        record.Save(registry);
    }
    Registry again;
    ASSERT_TRUE(again.Load(path));
    EXPECT_EQ(again.LoadSkippedLines(), 0);
    OptionsRecord record;
    record.Load(again);
    EXPECT_TRUE(record.misc.smoothScroll);
    EXPECT_EQ(record.nicknames[0].name, "ann");
    EXPECT_EQ(record.colours.fontSize, 9);
    EXPECT_EQ(again.GetValue("Software\\quornwright\\Parlevox\\Your info", "Picture")->data.size(), 26u);
}

}  // namespace
}  // namespace parlevox
