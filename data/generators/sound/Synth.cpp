#include "sound/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace parlevox::sound {
namespace {

constexpr float kTwoPi = 2 * std::numbers::pi_v<float>;

size_t Samples(float seconds) {
    return static_cast<size_t>(std::max(0.f, seconds) * kRate);
}

float Glide(float from, float to, float t) {  // t in 0..1
    return from * std::pow(to / from, t);
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 255);
    out += static_cast<char>(v >> 8 & 255);
}

void Put32(std::string& out, unsigned v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

Buffer Silence(float seconds) {
    return Buffer(Samples(seconds), 0.f);
}

void MixInto(Buffer& a, const Buffer& b, float atSeconds, float gain) {
    size_t start = Samples(atSeconds);
    if (a.size() < start + b.size()) a.resize(start + b.size(), 0.f);
    for (size_t i = 0; i < b.size(); ++i) a[start + i] += b[i] * gain;
}

void Normalise(Buffer& buffer, float peak) {
    float loudest = 0;
    for (float s : buffer) loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (float& s : buffer) s *= peak / loudest;
}

void Soften(Buffer& buffer, float fadeInSeconds, float fadeOutSeconds) {
    size_t in = std::min(Samples(fadeInSeconds), buffer.size()), out = std::min(Samples(fadeOutSeconds), buffer.size());
    for (size_t i = 0; i < in; ++i) buffer[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out; ++i) buffer[buffer.size() - 1 - i] *= static_cast<float>(i) / out;
}

Buffer Tone(float seconds, float fromHz, float toHz, float decay) {
    Buffer out(Samples(seconds));
    float phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        phase += kTwoPi * Glide(fromHz, toHz, t / seconds) / kRate;
        out[i] = std::sin(phase) * std::exp(-t / decay);
    }
    return out;
}

float Noise::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / 8388608.f - 1.f;
}

Buffer Noise::Make(float seconds, float decay) {
    Buffer out(Samples(seconds));
    for (size_t i = 0; i < out.size(); ++i) out[i] = Next() * std::exp(-static_cast<float>(i) / kRate / decay);
    return out;
}

Buffer BandPass(const Buffer& in, float fromHz, float toHz, float q) {
    Buffer out(in.size());
    float low = 0, band = 0;
    for (size_t i = 0; i < in.size(); ++i) {
        float hz = Glide(fromHz, toHz, static_cast<float>(i) / std::max<size_t>(in.size(), 1));
        float f = 2 * std::sin(std::numbers::pi_v<float> * std::min(hz, kRate / 6.f) / kRate);
        low += f * band;
        float high = in[i] - low - band / q;
        band += f * high;
        out[i] = band;
    }
    return out;
}

Buffer LowPass(const Buffer& in, float hz) {
    Buffer out(in.size());
    float a = 1 - std::exp(-kTwoPi * hz / kRate), state = 0;
    for (size_t i = 0; i < in.size(); ++i) out[i] = state += a * (in[i] - state);
    return out;
}

std::string WaveFile(const Buffer& buffer) {
    std::string out = "RIFF";
    unsigned dataSize = static_cast<unsigned>(buffer.size() * 2);
    Put32(out, 36 + dataSize);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, kRate);
    Put32(out, kRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out += "data";
    Put32(out, dataSize);
    for (float s : buffer) {
        long v = std::lround(std::clamp(s, -1.f, 1.f) * 32767);
        Put16(out, static_cast<unsigned>(v) & 0xffff);
    }
    return out;
}

}  // namespace parlevox::sound
