// The sample schemes as the build made them: their backgrounds against
// stored pictures, who they are for, whether text reads on them, and their
// hot spots in a pane.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "display/OutputWnd.h"
#include "display/PngFile.h"
#include "display/SchemeFile.h"
#include "display/SoundSystem.h"
#include "platform/NullAudioOutput.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

// PARLEVOX_UPDATE_GOLDENS=1 rewrites the stored pictures after a deliberate
// change of the art.
constexpr const char* kUpdateGoldens = "PARLEVOX_UPDATE_GOLDENS";
constexpr int kGoldenWidth = 640, kGoldenHeight = 400;

struct Sample {
    const char* file;
    const char* golden;
};
void PrintTo(const Sample& sample, std::ostream* out) {
    *out << sample.file;
}
const Sample kCalm{"Calm.ParlevoxScheme", "scheme-calm-640x400.png"};
const Sample kNight{"Night.ParlevoxScheme", "scheme-night-640x400.png"};

CScheme Load(const Sample& sample) {
    return ReadSchemeFile(std::string(PARLEVOX_SAMPLE_SCHEMES_DIR) + "/" + sample.file);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

CRawBitmap Background(const CScheme& scheme, int width, int height) {
    CRawBitmap image = CRawBitmap::TrueColour(width, height);
    scheme.Draw(image, width, height);
    return image;
}

// Contrast of two colours as the web's accessibility guidelines measure
// it, from their luminances: 1 for none, 21 for black on white; 4.5 is
// enough for body text.
double Luminance(BgrColour colour) {
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (size_t i = 0; i < table.size(); ++i) {
            const double v = static_cast<double>(i) / 255;
            table[i] = v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return 0.2126 * linear[colour.red] + 0.7152 * linear[colour.green] + 0.0722 * linear[colour.blue];
}

double Contrast(double luminanceA, double luminanceB) {
    return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

class RecordingRunner : public CommandRunner {
public:
    void RunCommand(const std::string& line, const CommandContext&) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class SchemeOwner : public OutputPaneOwner {
public:
    explicit SchemeOwner(CScheme scheme) : scheme_(std::move(scheme)) {}
    const CScheme& Scheme() const override { return scheme_; }
    ActionContext HotspotContext() const override { return {&runner, {}}; }
    UserInterface& UI() const override { return ui; }
    bool IsChannelWindow() const override { return true; }
    void OnNicknameMenu(const std::string&, int, int) override {}
    void OnContextMenu(int, int) override {}
    mutable RecordingRunner runner;
    mutable test::ScriptedUserInterface ui;

private:
    CScheme scheme_;
};

std::vector<BgrColour> Crop(const CRawBitmap& image, const PixelRect& rect) {
    std::vector<BgrColour> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) pixels.push_back(image.PixelColour(x, y));
    return pixels;
}

class SampleSchemeTest : public testing::TestWithParam<Sample> {};

TEST_P(SampleSchemeTest, DrawsTheStoredBackground) {
    const CRawBitmap drawn = Background(Load(GetParam()), kGoldenWidth, kGoldenHeight);
    const std::string golden = std::string(PARLEVOX_TEST_DATA_DIR) + "/" + GetParam().golden;
    if (const char* update = std::getenv(kUpdateGoldens); update && *update == '1') {
        std::ofstream(golden, std::ios::binary) << EncodePng(drawn);
        GTEST_SKIP() << "wrote " << golden;
    }
    const CRawBitmap stored = DecodePng(ReadAll(golden));
    ASSERT_EQ(stored.Width(), kGoldenWidth);
    ASSERT_EQ(stored.Height(), kGoldenHeight);
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < kGoldenHeight; ++y)
        for (int x = 0; x < kGoldenWidth; ++x)
            if (!(drawn.PixelColour(x, y) == stored.PixelColour(x, y)) && differing++ == 0) {
                firstX = x;
                firstY = y;
            }
    if (differing > 0) {
        const std::string actual = testing::TempDir() + "/" + GetParam().golden;
        std::ofstream(actual, std::ios::binary) << EncodePng(drawn);
        ADD_FAILURE() << differing << " pixels differ, the first at (" << firstX << ", " << firstY
                      << "); drawn: " << actual << "; " << kUpdateGoldens << "=1 stores it";
    }
}

// Text in the colours of the installer's slots (text, notices, joins,
// parts, quits and nicknames, links, own lines, problems) reads on the
// background behind the text area at a usual and at a wide size (where the
// hills rise highest behind the text). Stars and the moon are allowed a few
// pixels: 99.5% of the area must do. Selected text, colour 0 on colour 1,
// reads too.
TEST_P(SampleSchemeTest, TextColoursReadOnTheTextArea) {
    SchemeOwner owner(Load(GetParam()));
    const CScheme& scheme = owner.Scheme();
    EXPECT_GE(Contrast(Luminance(scheme.Colour(0)), Luminance(scheme.Colour(1))), 7.0)
        << "selected text shows colour 0 on colour 1";
    for (auto [width, height] : {std::pair{720, 420}, std::pair{1400, 500}}) {
        NullPaneView view;
        OutputSuppression suppression;
        COutputWnd pane(owner, view, nullptr, nullptr, suppression);
        pane.Resize(width, height);
        std::vector<double> behind;
        for (BgrColour pixel : Crop(pane.Paint(), pane.Layout().text)) behind.push_back(Luminance(pixel));
        ASSERT_FALSE(behind.empty());
        for (int index : {1, 5, 9, 3, 2, 12, 14, 4}) {
            const double text = Luminance(scheme.Colour(index));
            std::vector<double> contrasts;
            for (double pixel : behind) contrasts.push_back(Contrast(text, pixel));
            const auto fifthWorst = contrasts.begin() + static_cast<ptrdiff_t>(contrasts.size() / 200);
            std::nth_element(contrasts.begin(), fifthWorst, contrasts.end());
            EXPECT_GE(*fifthWorst, index == 1 ? 7.0 : 4.5) << "colour " << index << " at " << width << "x" << height;
        }
    }
}

// The hot spot sits outside the text area at any size, shows three
// different pictures, plays the scheme's own wave and runs its command.
TEST_P(SampleSchemeTest, HotspotAnswersTheMouse) {
    SchemeOwner owner(Load(GetParam()));
    const CScheme& scheme = owner.Scheme();
    ASSERT_EQ(scheme.HotspotCount(), 1);
    NullAudioOutput output;
    SoundSettings settings;
    settings.userEnabled = true;
    CSoundSystem sounds(output, nullptr, settings);
    NullPaneView view;
    OutputSuppression suppression;
    COutputWnd pane(owner, view, &output, &sounds, suppression);
    for (auto [width, height] : {std::pair{360, 240}, std::pair{720, 420}, std::pair{1600, 1000}}) {
        pane.Resize(width, height);
        const PixelRect spot = scheme.HotspotRect(0, width, height);
        EXPECT_TRUE(IsEmpty(Intersect(spot, pane.Layout().text))) << width << "x" << height;
        EXPECT_TRUE(spot.left >= 0 && spot.top >= 0 && spot.right <= width && spot.bottom <= height)
            << width << "x" << height;
    }
    pane.Resize(720, 420);
    const PixelRect spot = scheme.HotspotRect(0, 720, 420);
    const int x = (spot.left + spot.right) / 2, y = (spot.top + spot.bottom) / 2;
    const auto normal = Crop(pane.Paint(), spot);
    pane.MouseMove(x, y);
    const auto over = Crop(pane.Paint(), spot);
    pane.ButtonDown(x, y);
    const auto pressed = Crop(pane.Paint(), spot);
    pane.ButtonUp(x, y);
    EXPECT_TRUE(over != normal) << "mouse-over looks like normal";
    EXPECT_TRUE(pressed != normal) << "pressed looks like normal";
    EXPECT_TRUE(pressed != over) << "pressed looks like mouse-over";
    ASSERT_EQ(owner.runner.lines.size(), 1u);
    EXPECT_TRUE(owner.runner.lines[0].starts_with("/echo ")) << owner.runner.lines[0];

    const CSchemeSound* own = nullptr;
    for (int event = 0; event < CSchemeHotspot::kSoundEventCount; ++event)
        if (const CSchemeSound* sound = scheme.HotspotSound(0, event)) own = sound;
    ASSERT_NE(own, nullptr);
    const std::string& wave = own->Wave();
    ASSERT_GT(wave.size(), 44u);
    EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8), "RIFFWAVEfmt ");
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(wave[i]); };
    EXPECT_EQ(byte(20) | byte(21) << 8, 1) << "PCM";
    EXPECT_EQ(byte(34) | byte(35) << 8, 16) << "bits per sample";
    const bool played = std::any_of(output.played.begin(), output.played.end(), [&](const auto& p) {
        return p.data && std::string_view(p.data, p.size) == wave;
    });
    EXPECT_TRUE(played);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleSchemeTest, testing::Values(kCalm, kNight),
                         [](const testing::TestParamInfo<Sample>& info) {
                             return std::string(info.param.file).substr(0, std::string(info.param.file).find('.'));
                         });

// Calm is for channel windows, Night for private and DCC chats; neither
// takes the built-in windows, and both follow the client to any server.
TEST(SampleSchemeUsageTest, EachSchemeTakesItsOwnKindOfWindow) {
    const CScheme calm = Load(kCalm), night = Load(kNight);
    using Kind = SchemeWindow::Kind;
    struct Case {
        SchemeWindow window;
        bool calm, night;
    } const cases[] = {
        {{Kind::Channel, "#parlevox", "irc.example.net"}, true, false},
        {{Kind::PrivateChat, "bob", "irc.example.net"}, false, true},
        {{Kind::ControlBar, "", "irc.example.net"}, false, false},
        {{Kind::MessageOfTheDay, "", "irc.example.net"}, false, false},
        {{Kind::Background, "", "irc.example.net"}, false, false},
        {{Kind::TextWindow, "notes", "irc.example.net"}, false, false},
        {{Kind::Channel, "#elsewhere", "chat.example.org"}, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calm.AppliesTo(c.window), c.calm) << static_cast<int>(c.window.kind) << " " << c.window.name;
        EXPECT_EQ(night.AppliesTo(c.window), c.night) << static_cast<int>(c.window.kind) << " " << c.window.name;
    }
}

}  // namespace
}  // namespace parlevox
