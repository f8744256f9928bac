#include <string>

#include <gtest/gtest.h>

#include "platform/NullAudioOutput.h"
#include "platform/Resources.h"
#include "platform/SdlAudioOutput.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

// One quarter note of middle C on a piano: the smallest useful tune.
std::string TinyMidi() {
    std::string track = "\x00\xc0\x00"s           // program 0
                        "\x00\x90\x3c\x50"s       // note on
                        "\x60\x80\x3c\x00"s       // a quarter later, note off
                        "\x00\xff\x2f\x00"s;      // end of track
    return "MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60"s + "MTrk\x00\x00\x00"s +
           static_cast<char>(track.size()) + track;
}

std::string_view BuiltInWave(int id) {
    return Resources::Find(id, Resources::kWaveType).value_or("");
}

// Whatever this machine has: with a device everything opens, without one
// the backend says so. CI has no audio device.
TEST(SdlAudioOutputTest, StartsWithOrWithoutADevice) {
    SdlAudioOutput output;
    if (output.HasWaveDevice()) {
        EXPECT_EQ(output.Problem(), "");
    } else {
        EXPECT_EQ(output.Problem(), "no wave output device");
        EXPECT_FALSE(output.PlayWave(BuiltInWave(5123)));
    }
}

TEST(SdlAudioOutputTest, NoDeviceRefusesEverything) {
    test::ScopedEnvironment env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    test::TempDir dir;
    test::WriteWholeFile(dir.File("tune.mid"), TinyMidi());
    SdlAudioOutput output;
    EXPECT_FALSE(output.HasWaveDevice());
    EXPECT_EQ(output.Problem(), "no wave output device");
    EXPECT_FALSE(output.PlayWave(BuiltInWave(5123)));
    EXPECT_FALSE(output.PlayTune(dir.File("tune.mid")));
    EXPECT_FALSE(output.WavePlaying());
}

// SDL's dummy driver consumes the sound without a device, so the playing
// paths run the same on every machine.
TEST(SdlAudioOutputTest, PlaysWavesAndTunesThroughTheMixer) {
    test::ScopedEnvironment env;
    env.Set("SDL_AUDIODRIVER", "dummy");
    test::TempDir dir;
    test::WriteWholeFile(dir.File("tune.mid"), TinyMidi());
    test::WriteWholeFile(dir.File("other.mid"), TinyMidi());
    test::WriteWholeFile(dir.File("click.wav"), std::string(BuiltInWave(5123)));
    test::WriteWholeFile(dir.File("noise.wav"), "RIFF\x10\x00\x00\x00WAVEjunkjunk"s);

    SdlAudioOutput output;
    ASSERT_TRUE(output.HasWaveDevice()) << "the dummy driver always opens";
    for (int id = 5123; id <= 5130; ++id) {
        EXPECT_TRUE(output.PlayWave(BuiltInWave(id))) << id;
        EXPECT_TRUE(output.WavePlaying()) << id << ": the new wave took the channel";
    }
    EXPECT_TRUE(output.PlayWaveFile(dir.File("click.wav")));
    EXPECT_FALSE(output.PlayWave("RIFF"));
    EXPECT_FALSE(output.PlayWave(""));
    EXPECT_FALSE(output.PlayWaveFile(dir.File("noise.wav")));
    EXPECT_FALSE(output.PlayWaveFile(dir.File("missing.wav")));

    ASSERT_TRUE(output.PlayTune(dir.File("tune.mid")));
    EXPECT_TRUE(output.TunePlaying());
    EXPECT_TRUE(output.PlayTune(dir.File("other.mid")));
    EXPECT_TRUE(output.TunePlaying());
    EXPECT_FALSE(output.PlayTune(dir.File("missing.mid")));
    EXPECT_FALSE(output.TunePlaying()) << "the old tune was closed before the open failed";
}

TEST(NullAudioOutputTest, RecordsWhatWasPlayed) {
    test::TempDir dir;
    test::WriteWholeFile(dir.File("a.wav"), "x");
    NullAudioOutput output;
    std::string_view wave = BuiltInWave(5124);
    EXPECT_TRUE(output.PlayWave(wave));
    EXPECT_TRUE(output.PlayWaveFile(dir.File("a.wav")));
    EXPECT_FALSE(output.PlayWaveFile(dir.File("b.wav")));
    EXPECT_FALSE(output.PlayTune(dir.Path()));
    ASSERT_EQ(output.played.size(), 2u);
    EXPECT_EQ(output.played[0].data, wave.data());
    EXPECT_EQ(output.played[1].path, dir.File("a.wav"));
    EXPECT_EQ(output.tunesClosed, 1);

    NullAudioOutput silent(false);
    EXPECT_FALSE(silent.PlayWave(wave));
    EXPECT_FALSE(silent.PlayWaveFile(dir.File("a.wav")));
    EXPECT_TRUE(silent.played.empty());
}

}  // namespace
}  // namespace parlevox
