#pragma once
// An audio output that plays nothing and remembers what it was asked to
// play. Files count as played when they can be opened for reading.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/AudioOutput.h"

namespace parlevox {

class NullAudioOutput final : public AudioOutput {
public:
    enum class Kind { Wave, WaveFile, Tune };
    struct Played {
        Kind kind;
        std::string path;              // files
        const char* data = nullptr;    // waves from memory
        size_t size = 0;
    };

    explicit NullAudioOutput(bool hasWaveDevice = true) : hasWaveDevice_(hasWaveDevice) {}

    bool HasWaveDevice() const override { return hasWaveDevice_; }
    bool PlayWave(std::string_view waveFile) override;
    bool PlayWaveFile(const std::string& path) override;
    bool PlayTune(const std::string& path) override;

    std::vector<Played> played;
    int tunesClosed = 0;

private:
    bool hasWaveDevice_;
};

}  // namespace parlevox
