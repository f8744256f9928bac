#pragma once
// Sound through SDL2_mixer: waves on a single chunk channel (a new wave
// halts the one playing), MIDI on the music channel through the mixer's
// FluidSynth backend and the system's General MIDI sound font. Only one of
// these may exist at a time: SDL's audio is process-wide.
#include <string>

#include "platform/AudioOutput.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace parlevox {

class SdlAudioOutput final : public AudioOutput {
public:
    static constexpr const char* kNoDevice = "no wave output device";

    SdlAudioOutput();
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool HasWaveDevice() const override { return open_; }
    // Empty when the device is open, else kNoDevice.
    const std::string& Problem() const { return problem_; }

    bool PlayWave(std::string_view waveFile) override;
    bool PlayWaveFile(const std::string& path) override;
    bool PlayTune(const std::string& path) override;

    // Whether the wave channel or the tune is still sounding.
    bool WavePlaying() const;
    bool TunePlaying() const;

private:
    bool PlayChunk(Mix_Chunk* chunk);
    void CloseTune();

    bool audioSubsystem_ = false;
    bool open_ = false;
    std::string problem_;
    Mix_Chunk* wave_ = nullptr;
    _Mix_Music* tune_ = nullptr;
};

}  // namespace parlevox
