#pragma once
// Building blocks for the built-in sounds: a mono buffer at 22050 Hz and
// the oscillators, noise, filters and envelopes the sounds are made of.
#include <cstdint>
#include <string>
#include <vector>

namespace parlevox::sound {

inline constexpr int kRate = 22050;

using Buffer = std::vector<float>;

Buffer Silence(float seconds);
// Adds b into a starting at a time.
void MixInto(Buffer& a, const Buffer& b, float atSeconds, float gain = 1);
// Scales the buffer so that its loudest sample is peak.
void Normalise(Buffer& buffer, float peak);
// Short fades at both ends so that nothing clicks.
void Soften(Buffer& buffer, float fadeInSeconds, float fadeOutSeconds);

// A sine whose frequency glides exponentially from one value to another,
// shaped by an exponential decay (seconds to fall to 1/e).
Buffer Tone(float seconds, float fromHz, float toHz, float decay);
// Noise from a small fixed generator, so every build sounds the same.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    float Next();
    Buffer Make(float seconds, float decay);

private:
    uint32_t state_;
};

// A state-variable band-pass whose centre moves from one frequency to
// another over the buffer.
Buffer BandPass(const Buffer& in, float fromHz, float toHz, float q);
Buffer LowPass(const Buffer& in, float hz);

// The buffer as a 16-bit mono PCM wave file.
std::string WaveFile(const Buffer& buffer);

}  // namespace parlevox::sound
