#pragma once
// What the sound system plays through: waves on one channel, so that a new
// wave cuts off the one playing, and one tune (MIDI) at a time. The SDL2_mixer
// backend plays them; the null backend records them for tests.
#include <string>
#include <string_view>

namespace parlevox {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // False when no wave output device could be opened.
    virtual bool HasWaveDevice() const = 0;
    // A whole wave file image in memory (the bytes must outlive the call
    // only). False when it cannot be played.
    virtual bool PlayWave(std::string_view waveFile) = 0;
    virtual bool PlayWaveFile(const std::string& path) = 0;
    // Closes the tune playing, then opens the MIDI file and plays it from its
    // start. False when it cannot be opened.
    virtual bool PlayTune(const std::string& path) = 0;
};

}  // namespace parlevox
