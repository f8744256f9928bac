// Draws every built-in bitmap and writes it, as the resource holds it, to
// <output folder>/<resource name>.bmp.
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "art/BmpWriter.h"
#include "art/ButtonArt.h"
#include "art/Quantizer.h"
#include "art/TitleArt.h"
#include "display/ButtonStripLayout.h"

namespace parlevox::art {
namespace {

struct Picture {
    const char* name;
    unsigned compression;
    QuantizeOptions options;
    std::function<Canvas()> draw;
};

bool Write(const std::string& folder, const Picture& picture) {
    Canvas canvas = picture.draw();
    IndexedImage image = Quantize(canvas.Rgb(), canvas.Width(), canvas.Height(), picture.options);
    std::ofstream out(folder + "/" + picture.name + ".bmp", std::ios::binary);
    std::string bytes = EncodeBmp(image, picture.compression);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Run(const std::string& folder) {
    TextRenderer bold("DejaVu Sans:bold"), regular("DejaVu Sans");
    Fonts fonts{bold, regular};
    const QuantizeOptions strip{64, 1000, true}, icon{256, 1000, false};
    const QuantizeOptions title{256, 214, false}, setup{256, layout::kSetupControlsY, false};
    using S = ButtonState;
    const Picture pictures[] = {
        {"BV-CHAN", 0, strip, [] { return ChannelButton(S::Normal); }},
        {"BV-CHAND", 0, strip, [] { return ChannelButton(S::Pressed); }},
        {"BV-CHANO", 0, strip, [] { return ChannelButton(S::Over); }},
        {"BV-CTRL", 0, strip, [] { return ControlBar(S::Normal); }},
        {"BV-CTRLD", 0, strip, [] { return ControlBar(S::Pressed); }},
        {"BV-CTRLO", 0, strip, [] { return ControlBar(S::Over); }},
        {"BV-DCC", 0, strip, [] { return DccStrip(S::Normal, layout::kDccStripWidth); }},
        {"BV-DCCD", 0, strip, [] { return DccStrip(S::Pressed, layout::kDccButtonsWidth); }},
        {"BV-DCCO", 0, strip, [] { return DccStrip(S::Over, layout::kDccButtonsWidth); }},
        {"BV-HELP", 0, strip, [&] { return HelpBar(S::Normal, bold); }},
        {"BV-HELPD", 0, strip, [&] { return HelpBar(S::Pressed, bold); }},
        {"BV-HELPO", 0, strip, [&] { return HelpBar(S::Over, bold); }},
        {"STUPIDICON", 0, icon, [] { return DefaultIcon(); }},
        {"TITLESCREEN", 99, title, [&] { return TitleScreen(fonts); }},
        {"Screen", 99, setup, [&] { return SetupScreen(fonts); }},
    };
    for (const Picture& p : pictures)
        if (!Write(folder, p)) {
            std::cerr << "cannot write " << folder << "/" << p.name << ".bmp\n";
            return 1;
        }
    return 0;
}

}  // namespace
}  // namespace parlevox::art

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: parlevox-artgen OUTPUT-FOLDER\n";
        return 2;
    }
    try {
        return parlevox::art::Run(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "parlevox-artgen: " << error.what() << "\n";
        return 1;
    }
}
