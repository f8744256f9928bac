#include "platform/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace parlevox {
namespace {

constexpr int kWaveChannel = 0;
constexpr int kFrequency = 44100;
constexpr int kChunkFrames = 1024;  // about 23 ms: clicks follow the mouse closely

}  // namespace

SdlAudioOutput::SdlAudioOutput() {
    audioSubsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (audioSubsystem_) {
        Mix_Init(MIX_INIT_MID);  // without it only MIDI is lost
        open_ = Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, 2, kChunkFrames) == 0;
    }
    if (!open_) {
        problem_ = kNoDevice;
        return;
    }
    Mix_AllocateChannels(1);
}

SdlAudioOutput::~SdlAudioOutput() {
    if (open_) {
        Mix_HaltChannel(-1);
        CloseTune();
        if (wave_) Mix_FreeChunk(wave_);
        Mix_CloseAudio();
    }
    if (audioSubsystem_) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlAudioOutput::PlayChunk(Mix_Chunk* chunk) {
    Mix_HaltChannel(kWaveChannel);
    if (wave_) Mix_FreeChunk(wave_);
    wave_ = chunk;
    return chunk && Mix_PlayChannel(kWaveChannel, chunk, 0) == kWaveChannel;
}

bool SdlAudioOutput::PlayWave(std::string_view waveFile) {
    if (!open_ || waveFile.size() > static_cast<size_t>(INT32_MAX)) return false;
    SDL_RWops* memory = SDL_RWFromConstMem(waveFile.data(), static_cast<int>(waveFile.size()));
    return memory && PlayChunk(Mix_LoadWAV_RW(memory, 1));
}

bool SdlAudioOutput::PlayWaveFile(const std::string& path) {
    return open_ && PlayChunk(Mix_LoadWAV(path.c_str()));
}

void SdlAudioOutput::CloseTune() {
    if (!tune_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(tune_);
    tune_ = nullptr;
}

bool SdlAudioOutput::PlayTune(const std::string& path) {
    if (!open_) return false;
    CloseTune();
    tune_ = Mix_LoadMUSType_RW(SDL_RWFromFile(path.c_str(), "rb"), MUS_MID, 1);
    return tune_ && Mix_PlayMusic(tune_, 1) == 0;
}

bool SdlAudioOutput::WavePlaying() const {
    return open_ && Mix_Playing(kWaveChannel) != 0;
}

bool SdlAudioOutput::TunePlaying() const {
    return open_ && tune_ && Mix_PlayingMusic() != 0;
}

}  // namespace parlevox
