#include "schemes/SchemeSounds.h"

#include "sound/Synth.h"

namespace parlevox::schemegen {
namespace {

using sound::Buffer;

// A sine with two quieter overtones that die away sooner, as a small bell.
Buffer Bell(float hz, float seconds, float decay) {
    Buffer bell = sound::Tone(seconds, hz, hz, decay);
    sound::MixInto(bell, sound::Tone(seconds, hz * 2, hz * 2, decay / 2), 0, 0.25f);
    sound::MixInto(bell, sound::Tone(seconds, hz * 3.01f, hz * 3.01f, decay / 4), 0, 0.08f);
    sound::Soften(bell, 0.004f, 0.05f);
    return bell;
}

}  // namespace

std::string CalmChime() {
    Buffer out = sound::Silence(0.9f);
    sound::MixInto(out, Bell(659.25f, 0.75f, 0.22f), 0);        // E5
    sound::MixInto(out, Bell(987.77f, 0.75f, 0.28f), 0.11f, 0.8f);  // B5
    out = sound::LowPass(out, 3500);
    sound::Normalise(out, 0.45f);
    sound::Soften(out, 0.002f, 0.1f);
    return sound::WaveFile(out);
}

std::string NightTwinkle() {
    Buffer out = sound::Silence(0.6f);
    const float notes[] = {1975.53f, 1567.98f, 1318.51f};  // B6, G6, E6
    for (int i = 0; i < 3; ++i) {
        Buffer note = Bell(notes[i], 0.4f, 0.09f);
        // A partner a few hertz off makes the note shimmer.
        sound::MixInto(note, sound::Tone(0.4f, notes[i] + 4, notes[i] + 4, 0.12f), 0, 0.35f);
        sound::MixInto(out, note, 0.065f * static_cast<float>(i), 1 - 0.15f * static_cast<float>(i));
    }
    out = sound::LowPass(out, 5000);
    sound::Normalise(out, 0.3f);
    sound::Soften(out, 0.002f, 0.12f);
    return sound::WaveFile(out);
}

}  // namespace parlevox::schemegen
