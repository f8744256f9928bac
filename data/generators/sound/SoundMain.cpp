// Synthesises the eight built-in sounds and writes each as the wave
// resource holds it, to <output folder>/<resource number>.wav.
#include <fstream>
#include <iostream>
#include <string>

#include "sound/Sounds.h"

int main(int argc, char** argv) {
    using namespace parlevox::sound;
    if (argc != 2) {
        std::cerr << "usage: parlevox-soundgen OUTPUT-FOLDER\n";
        return 2;
    }
    struct {
        int resource;
        Buffer (*make)();
    } const sounds[] = {
        {5123, Click}, {5125, Tock}, {5124, QuietSwoosh}, {5126, ClickClick},
        {5127, Thud}, {5128, Suction}, {5129, ElectronicRing}, {5130, DigestedByAlien},
    };
    for (const auto& sound : sounds) {
        std::string path = std::string(argv[1]) + "/" + std::to_string(sound.resource) + ".wav";
        std::ofstream out(path, std::ios::binary);
        std::string bytes = WaveFile(sound.make());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "parlevox-soundgen: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
