#include "display/SoundSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/NullAudioOutput.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/SafeFile.h"
#include "platform/SdlAudioOutput.h"
#include "settings/OptionsRecord.h"
#include "settings/SoundSettingsStore.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using Kind = NullAudioOutput::Kind;

class SoundSystemTest : public testing::Test {
protected:
    void SetUp() override {
        ProgramFolder::Reset();
        settings.WriteProfileInt("Sounds", "UserEnabled", 1);
        settings.WriteProfileInt("Sounds", "BuiltInEnabled", 1);
    }
    void TearDown() override { ProgramFolder::Reset(); }

    // A sound system over what the store holds now, saving back into it.
    CSoundSystem Make(AudioOutput& output, const Registry& from) {
        OptionsRecord options;
        options.Load(settings);
        return CSoundSystem(output, [this](const std::string& line) { lines.push_back(line); },
                            LoadSoundSettings(from), SoundSettingsSaver(settings), options.ColourSlots());
    }
    CSoundSystem Make(AudioOutput& output) { return Make(output, settings); }
    // A file in the program folder (or a folder under it).
    std::string Place(const std::string& relative) {
        std::string path = ProgramFolder::Path() + relative;
        SafeFile::CreateFolders(SafeFile::FolderOf(path));
        test::WriteWholeFile(path, "RIFF");
        return path;
    }

    Registry settings;
    test::ScriptedUserInterface ui;
    std::vector<std::string> lines;
};

TEST_F(SoundSystemTest, EventsPlayTheirBuiltInSoundOrTheirFile) {
    settings.WriteProfileInt("Sounds", "00000000ResourceNum", 0);   // Button down: Click
    settings.WriteProfileInt("Sounds", "00000002ResourceNum", 2);   // Mouse over button: Quiet swoosh
    settings.WriteProfileInt("Sounds", "00000012ResourceNum", 7);   // Notify list: Digested by alien
    settings.WriteProfileInt("Sounds", "00000009ResourceNum", 6);   // Connect: built-in wins over the file
    settings.WriteProfileString("Sounds", "00000009Filename", "connect.wav");
    settings.WriteProfileString("Sounds", "00000010Filename", "bye.wav");  // Disconnect: the file
    settings.WriteProfileInt("Sounds", "00000011ResourceNum", 99);  // out of range: none
    std::string bye = Place("bye.wav");
    struct Case {
        const char* event;
        int resource;          // wave resource expected, 0 for a file, -1 for nothing
        std::string file = {};
    } cases[] = {
        {"Button down", 5123}, {"Mouse over button", 5124}, {"Notify list", 5130}, {"Connect", 5129},
        {"Disconnect", 0, bye}, {"Notice received", -1}, {"Button up", -1},
    };
    NullAudioOutput output;
    CSoundSystem sounds = Make(output);
    for (const auto& c : cases) {
        output.played.clear();
        sounds.Play(c.event);
        if (c.resource < 0) {
            EXPECT_TRUE(output.played.empty()) << c.event;
            continue;
        }
        ASSERT_EQ(output.played.size(), 1u) << c.event;
        if (c.resource == 0) {
            EXPECT_EQ(output.played[0].kind, Kind::WaveFile) << c.event;
            EXPECT_EQ(output.played[0].path, c.file) << c.event;
        } else {
            std::string_view wave = *Resources::Find(c.resource, "WAVE");
            EXPECT_EQ(output.played[0].kind, Kind::Wave) << c.event;
            EXPECT_EQ(output.played[0].data, wave.data()) << c.event;
            EXPECT_EQ(output.played[0].size, wave.size()) << c.event;
        }
    }
    EXPECT_TRUE(lines.empty()) << "event sounds fail silently";
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SoundSystemTest, SwitchesDecideWhatPlays) {
    Place("ding.wav");
    Place("tune.mid");
    settings.WriteProfileInt("Sounds", "00000000ResourceNum", 1);
    settings.WriteProfileString("Sounds", "00000001Filename", "ding.wav");
    struct Case {
        const char* description;
        bool userEnabled, builtInEnabled, switchedOff;
        const char* name;
        bool plays;
    } cases[] = {
        {"event with built-ins on", false, true, false, "Button down", true},
        {"event with built-ins off", true, false, false, "Button down", false},
        {"event file with built-ins off", true, false, false, "Button up", false},
        {"event file with user files off", false, true, false, "Button up", true},
        {"wave with user files off", false, true, false, "ding.wav", false},
        {"wave with user files on", true, false, false, "ding.wav", true},
        {"upper-case extension", true, false, false, "DING.WAV", false},  // a different file on this system
        {"tune with user files off", false, true, false, "tune.mid", false},
        {"other extension", true, true, false, "ding.mp3", false},
        {"dotted event name", true, true, false, "Button.down", false},
        {"master switch off", true, true, true, "Button down", false},
        {"master switch off, file", true, true, true, "ding.wav", false},
    };
    for (const auto& c : cases) {
        NullAudioOutput output;
        CSoundSystem sounds = Make(output);
        sounds.SetUserEnabled(c.userEnabled);
        sounds.SetBuiltInEnabled(c.builtInEnabled);
        if (c.switchedOff) sounds.SwitchOff();
        sounds.Play(c.name);
        EXPECT_EQ(output.played.size(), c.plays ? 1u : 0u) << c.description;
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SoundSystemTest, MissingFilesGiveTheYouDontHaveLine) {
    settings.WriteProfileInt("Colours", "Colour14", 12);
    NullAudioOutput output;
    CSoundSystem sounds = Make(output);
    EXPECT_FALSE(sounds.Play("gone.wav"));
    EXPECT_FALSE(sounds.Play("gone.mid"));
    EXPECT_EQ(lines, (std::vector<std::string>{"\x03" "12- You don't have \x02gone.wav\x02.",
                                               "\x03" "12- You don't have \x02gone.mid\x02."}));
}

TEST_F(SoundSystemTest, FolderSettingPlacesTheFiles) {
    test::TempDir elsewhere;
    const std::string home = ProgramFolder::Path();
    struct Case {
        const char* description;
        std::string folder;
        std::string name;
        std::string expected;
    } cases[] = {
        {"no folder", "", "a.wav", home + "a.wav"},
        {"relative folder", "Sound", "a.wav", home + "Sound/a.wav"},
        {"relative folder with backslashes", "Sound\\Mine\\", "a.wav", home + "Sound/Mine/a.wav"},
        {"absolute folder", elsewhere.Path(), "a.wav", elsewhere.Path() + "/a.wav"},
        {"folder starting with a backslash", "\\srv\\sounds", "a.wav", "/srv/sounds/a.wav"},
        {"drive letter", "C:\\Sounds", "a.wav", "C:/Sounds/a.wav"},
        {"absolute file name", "Sound", elsewhere.File("b.wav"), elsewhere.File("b.wav")},
        {"file in a subfolder", "Sound", "x\\a.wav", home + "Sound/x/a.wav"},
    };
    for (const auto& c : cases) {
        settings.WriteProfileString("Sounds", "Folder", c.folder);
        NullAudioOutput output;
        CSoundSystem sounds = Make(output);
        EXPECT_EQ(sounds.SoundPath(c.name), c.expected) << c.description;
    }

    settings.WriteProfileString("Sounds", "Folder", "Sound");
    Place("Sound/here.wav");
    Place("here2.wav");  // in the program folder, not the sound folder
    NullAudioOutput output;
    CSoundSystem sounds = Make(output);
    EXPECT_TRUE(sounds.Play("here.wav"));
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].path, home + "Sound/here.wav");
    EXPECT_FALSE(sounds.Play("here2.wav"));
    EXPECT_TRUE(sounds.HasSound("here.wav"));
    EXPECT_FALSE(sounds.HasSound("here2.wav"));
}

TEST_F(SoundSystemTest, HasSoundNeedsUserFilesAndAKnownKind) {
    Place("a.wav");
    Place("a.mid");
    Place("a.txt");
    SafeFile::CreateFolders(ProgramFolder::Path() + "dir.wav");
    NullAudioOutput output;
    CSoundSystem sounds = Make(output);
    EXPECT_TRUE(sounds.HasSound("a.wav"));
    EXPECT_TRUE(sounds.HasSound("a.mid"));
    EXPECT_FALSE(sounds.HasSound("a.txt"));
    EXPECT_FALSE(sounds.HasSound("b.wav"));
    EXPECT_FALSE(sounds.HasSound("dir.wav"));
    sounds.SetUserEnabled(false);
    EXPECT_FALSE(sounds.HasSound("a.wav"));
    sounds.SetUserEnabled(true);
    sounds.SwitchOff();
    EXPECT_FALSE(sounds.HasSound("a.wav"));
}

TEST_F(SoundSystemTest, ANewTuneReplacesThePlayingOne) {
    std::string first = Place("one.mid"), second = Place("two.mid");
    NullAudioOutput output;
    CSoundSystem sounds = Make(output);
    EXPECT_TRUE(sounds.Play("one.mid"));
    EXPECT_TRUE(sounds.Play("two.mid"));
    EXPECT_FALSE(sounds.Play("three.mid"));
    ASSERT_EQ(output.played.size(), 2u);
    EXPECT_EQ(output.played[1].kind, Kind::Tune);
    EXPECT_EQ(output.played[1].path, second);
    EXPECT_EQ(output.tunesClosed, 3) << "every request closes the tune first";
}

TEST_F(SoundSystemTest, UnknownEventIsAnInternalError) {
    NullAudioOutput output;
    CSoundSystem sounds = Make(output);
    sounds.Play("Button sideways");
    EXPECT_TRUE(output.played.empty());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_NE(ui.boxes[0].text.find("SoundSystem.cpp"), std::string::npos);
}

TEST_F(SoundSystemTest, SettingsRoundTrip) {
    NullAudioOutput output;
    {
        CSoundSystem sounds = Make(output);
        EXPECT_FALSE(sounds.Changed());
        sounds.SetEvent(3, {4, ""});
        sounds.SetEvent(12, {-1, "mine.wav"});
        sounds.SetEvent(5, {8, "x.wav"});  // no built-in sound 8
        sounds.SetFolder("Sound\\");
        sounds.SetUserEnabled(false);
    }
    EXPECT_EQ(settings.GetProfileInt("Sounds", "00000003ResourceNum", 0), 4);
    EXPECT_EQ(settings.GetProfileString("Sounds", "00000012Filename"), "mine.wav");
    EXPECT_EQ(settings.GetProfileInt("Sounds", "00000012ResourceNum", 0), -1);
    EXPECT_EQ(settings.GetProfileInt("Sounds", "00000005ResourceNum", 0), -1);
    EXPECT_EQ(settings.GetProfileInt("Sounds", "UserEnabled", 1), 0);
    EXPECT_EQ(settings.GetProfileString("Sounds", "Folder"), "Sound\\");

    CSoundSystem again = Make(output);
    EXPECT_EQ(again.Event(3).builtIn, 4);
    EXPECT_EQ(again.Event(12).fileName, "mine.wav");
    EXPECT_FALSE(again.UserEnabled());
    EXPECT_TRUE(again.BuiltInEnabled());
    EXPECT_EQ(again.Folder(), "Sound\\");
}

TEST_F(SoundSystemTest, DefaultsAreSilent) {
    Registry empty;
    NullAudioOutput output;
    CSoundSystem sounds = Make(output, empty);
    EXPECT_FALSE(sounds.UserEnabled());
    EXPECT_FALSE(sounds.BuiltInEnabled());
    for (int i = 0; i < CSoundSystem::kEventCount; ++i) {
        EXPECT_EQ(sounds.Event(i).builtIn, -1);
        EXPECT_EQ(sounds.Event(i).fileName, "");
    }
    EXPECT_FALSE(sounds.Changed());
}

TEST_F(SoundSystemTest, NoWaveDeviceTurnsBothSwitchesOffAndSavesThat) {
    NullAudioOutput output(false);
    {
        CSoundSystem sounds = Make(output);
        EXPECT_FALSE(sounds.UserEnabled());
        EXPECT_FALSE(sounds.BuiltInEnabled());
        EXPECT_TRUE(sounds.Changed());
        sounds.Play("Button down");
        EXPECT_TRUE(output.played.empty());
    }
    EXPECT_EQ(settings.GetProfileInt("Sounds", "UserEnabled", 1), 0);
    EXPECT_EQ(settings.GetProfileInt("Sounds", "BuiltInEnabled", 1), 0);
}

TEST_F(SoundSystemTest, StartingOnTheRealOutputWithoutADevice) {
    test::ScopedEnvironment env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    SdlAudioOutput output;
    {
        CSoundSystem sounds = Make(output);
        EXPECT_FALSE(sounds.UserEnabled());
        EXPECT_FALSE(sounds.BuiltInEnabled());
    }
    EXPECT_EQ(settings.GetProfileInt("Sounds", "BuiltInEnabled", 1), 0);
}

TEST_F(SoundSystemTest, BuiltInSoundNamesInOrder) {
    std::vector<std::string> names(CSoundSystem::BuiltInSoundNames().begin(), CSoundSystem::BuiltInSoundNames().end());
    EXPECT_EQ(names, (std::vector<std::string>{"Click", "Tock", "Quiet swoosh", "Click-click", "Thud", "Suction",
                                               "Electronic ring", "Digested by alien"}));
}

TEST_F(SoundSystemTest, SoundsOtherUsersNamePlayOnlyAsSmallRegularFilesInTheSoundFolder) {
    test::TempDir dir;
    const std::string folder = dir.File("sounds/");
    ASSERT_TRUE(SafeFile::CreateFolders(folder));
    test::WriteWholeFile(folder + "ding.wav", "RIFFding");
    test::WriteWholeFile(folder + "tune.mid", "MThd");
    test::WriteWholeFile(dir.File("secret.wav"), "RIFFsecret");
    test::WriteWholeFile(folder + "big.wav", "RIFF");
    ASSERT_EQ(::truncate((folder + "big.wav").c_str(), CSoundSystem::kLargestRequestedSound + 1), 0);
    ASSERT_EQ(::symlink(dir.File("secret.wav").c_str(), (folder + "link.wav").c_str()), 0);
    ASSERT_EQ(::mkfifo((folder + "pipe.wav").c_str(), 0600), 0);

    NullAudioOutput output;
    SoundSettings soundSettings;
    soundSettings.userEnabled = true;
    soundSettings.folder = folder;
    CSoundSystem sounds(output, {}, soundSettings);
    const struct {
        const char* name;
        RequestedSound outcome;
    } cases[] = {
        {"ding.wav", RequestedSound::Started},
        {"C:\\elsewhere\\ding.wav", RequestedSound::Started},
        {"tune.mid", RequestedSound::Started},
        {"../../../dev/zero", RequestedSound::NotASoundFile},
        {"ding.txt", RequestedSound::NotASoundFile},
        {"", RequestedSound::NotASoundFile},
        {"../secret.wav", RequestedSound::NotInFolder},
        {"link.wav", RequestedSound::NotInFolder},
        {"pipe.wav", RequestedSound::NotInFolder},
        {"missing.wav", RequestedSound::NotInFolder},
        {"big.wav", RequestedSound::TooLarge},
    };
    for (const auto& c : cases) EXPECT_EQ(sounds.PlayRequested(c.name), c.outcome) << c.name;
    ASSERT_EQ(output.played.size(), 3u);
    EXPECT_EQ(output.played[0].kind, Kind::Wave);
    EXPECT_EQ(output.played[0].size, 8u);
    EXPECT_EQ(output.played[2].kind, Kind::Tune);
    EXPECT_EQ(output.played[2].path, folder + "tune.mid");

    const ColourCodes colours;
    EXPECT_EQ(RequestedSoundLine(RequestedSound::TooLarge, "big.wav", colours),
              "\x03" "0- Sound \x02" "big.wav\x02 not played: it is larger than 16 MB.");
    EXPECT_EQ(RequestedSoundLine(RequestedSound::Started, "ding.wav", colours), "");
    sounds.SetUserEnabled(false);
    EXPECT_EQ(sounds.PlayRequested("ding.wav"), RequestedSound::SwitchedOff);
}

}  // namespace
}  // namespace parlevox
