#include "sound/Sounds.h"

#include <cmath>
#include <numbers>

namespace parlevox::sound {
namespace {

constexpr float kTwoPi = 2 * std::numbers::pi_v<float>;

// A crisp tick: a band of noise and a short high ping, both gone in a few
// milliseconds.
Buffer Tick(float pitch, uint32_t seed) {
    Noise noise(seed);
    Buffer out = BandPass(noise.Make(0.03f, 0.004f), 3400 * pitch, 2600 * pitch, 1.6f);
    MixInto(out, Tone(0.03f, 2300 * pitch, 2000 * pitch, 0.005f), 0, 0.6f);
    return out;
}

}  // namespace

Buffer Click() {
    Buffer out = Tick(1, 11);
    Normalise(out, 0.55f);
    Soften(out, 0.0005f, 0.004f);
    return out;
}

Buffer Tock() {
    // A wood block: a bright fundamental that sinks a little, an inharmonic
    // partial that dies quickly, and a short knock of noise.
    Buffer out = Tone(0.14f, 980, 860, 0.028f);
    MixInto(out, Tone(0.05f, 2650, 2500, 0.008f), 0, 0.35f);
    Noise noise(23);
    MixInto(out, LowPass(noise.Make(0.01f, 0.002f), 2500), 0, 0.5f);
    Normalise(out, 0.6f);
    Soften(out, 0.0005f, 0.02f);
    return out;
}

Buffer QuietSwoosh() {
    // Air moving past: noise through a band that sweeps upwards, swelling
    // and fading.
    constexpr float kLength = 0.38f;
    Noise noise(5);
    Buffer out = BandPass(noise.Make(kLength, 100), 450, 3300, 2.2f);
    for (size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / out.size();
        float swell = std::sin(std::numbers::pi_v<float> * std::pow(t, 0.7f));
        out[i] *= swell * swell;
    }
    Normalise(out, 0.32f);
    Soften(out, 0.005f, 0.02f);
    return out;
}

Buffer ClickClick() {
    Buffer out = Silence(0.12f);
    MixInto(out, Tick(1, 31), 0);
    MixInto(out, Tick(1.12f, 37), 0.075f, 0.9f);
    Normalise(out, 0.55f);
    Soften(out, 0.0005f, 0.004f);
    return out;
}

Buffer Thud() {
    // Something soft and heavy landing: a falling low tone with a second
    // harmonic so small speakers carry it, a dull knock, a little saturation.
    Buffer out = Tone(0.3f, 110, 48, 0.075f);
    MixInto(out, Tone(0.3f, 220, 96, 0.045f), 0, 0.35f);
    Noise noise(47);
    MixInto(out, LowPass(noise.Make(0.03f, 0.006f), 600), 0, 0.8f);
    for (float& s : out) s = std::tanh(1.6f * s);
    Normalise(out, 0.8f);
    Soften(out, 0.001f, 0.03f);
    return out;
}

Buffer Suction() {
    // Air drawn in through a narrowing band, rising, then a soft pop.
    constexpr float kDraw = 0.36f;
    Noise noise(59);
    Buffer out = BandPass(noise.Make(kDraw, 100), 260, 2400, 3.f);
    MixInto(out, Tone(kDraw, 140, 520, 100), 0, 0.08f);
    for (size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / out.size();
        out[i] *= std::pow(t, 1.6f) * (1 - std::pow(t, 12.f));
    }
    MixInto(out, Tone(0.07f, 520, 900, 0.012f), kDraw - 0.01f, 0.35f);
    Normalise(out, 0.5f);
    Soften(out, 0.01f, 0.02f);
    return out;
}

Buffer ElectronicRing() {
    // A warbling two-tone ring: the pitch trills between a fifth, the tone
    // a soft square (odd harmonics), with a gentle swell and release.
    constexpr float kLength = 0.72f, kTrill = 14.f;
    Buffer out = Silence(kLength);
    float phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float blend = 0.5f + 0.5f * std::tanh(4 * std::sin(kTwoPi * kTrill * t));  // smooth steps
        phase += kTwoPi * (1175 + (1760 - 1175) * blend) / kRate;
        float tone = std::sin(phase) + std::sin(3 * phase) / 5 + std::sin(5 * phase) / 14;
        float envelope = std::min(1.f, t / 0.01f) * std::min(1.f, (kLength - t) / 0.18f);
        out[i] = tone * envelope * (0.85f + 0.15f * std::sin(kTwoPi * 6 * t));
    }
    Normalise(out, 0.3f);
    return out;
}

Buffer DigestedByAlien() {
    // A wobbling gut rumble that sinks, bubbles rising through it, and a
    // final low burp.
    constexpr float kLength = 1.1f;
    Buffer out = Silence(kLength);
    float phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate, u = t / kLength;
        float wobble = std::sin(kTwoPi * (7 + 5 * u) * t) * (40 + 90 * u);
        phase += kTwoPi * (190 * std::pow(70.f / 190, u) + wobble) / kRate;
        float envelope = std::min(1.f, t / 0.04f) * (1 - u * 0.5f);
        out[i] = (std::sin(phase) + 0.4f * std::sin(2 * phase + 0.3f)) * envelope * 0.5f;
    }
    out = LowPass(out, 1400);
    Noise dice(71);
    for (int bubble = 0; bubble < 9; ++bubble) {
        float at = 0.05f + (dice.Next() + 1) * 0.42f;
        float pitch = 320 + (dice.Next() + 1) * 260;
        MixInto(out, Tone(0.05f, pitch, pitch * 2.1f, 0.014f), at, 0.4f);
    }
    MixInto(out, Tone(0.22f, 85, 55, 0.07f), kLength - 0.24f, 0.9f);
    for (float& s : out) s = std::tanh(1.3f * s);
    Normalise(out, 0.5f);
    Soften(out, 0.005f, 0.05f);
    return out;
}

}  // namespace parlevox::sound
