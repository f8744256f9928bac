// parlevox-docpics: remakes the pictures in docs/ from the client's own
// drawing code. Run by the "docs" build target with the docs folder and the
// folder of the built sample schemes as its arguments; writes
// title-screen.png, output-pane.png, scheme-calm.png and scheme-night.png.
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/TextError.h"
#include "display/BitmapResource.h"
#include "display/ChatLineFormatter.h"
#include "display/OutputPainter.h"
#include "display/OutputWnd.h"
#include "display/Scheme.h"
#include "display/SchemeFile.h"
#include "platform/UserInterface.h"
#include "settings/OptionsRecord.h"
#include "support/PngWriter.h"

namespace parlevox {
namespace {

class StillOwner : public OutputPaneOwner {
public:
    const CScheme& Scheme() const override { return scheme; }
    ActionContext HotspotContext() const override { return {}; }
    bool IsChannelWindow() const override { return channel; }
    void OnNicknameMenu(const std::string&, int, int) override {}
    void OnContextMenu(int, int) override {}
    UserInterface& UI() const override { return UserInterface::Current(); }
    CScheme scheme;
    bool channel = true;
};

bool WritePng(const CRawBitmap& image, const std::string& path) {
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(image.Width()) * image.Height() * 3);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            BgrColour c = image.PixelColour(x, y);
            rgb.insert(rgb.end(), {c.red, c.green, c.blue});
        }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << test::EncodePng(image.Width(), image.Height(), rgb);
    out.close();
    if (!out) std::fprintf(stderr, "parlevox-docpics: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

// The title screen as the client shows it: the 8-bit resource drawn into a
// true-colour screen.
bool TitleScreen(const std::string& folder) {
    std::optional<CRawBitmap> title = BitmapResource::Load("TITLESCREEN");
    if (!title) {
        std::fprintf(stderr, "parlevox-docpics: no TITLESCREEN resource\n");
        return false;
    }
    CRawBitmap screen = CRawBitmap::TrueColour(title->Width(), title->Height());
    title->DrawTo(screen, 0, 0);
    return WritePng(screen, folder + "/title-screen.png");
}

std::unique_ptr<CSchemeImage> Solid(const char* name, BgrColour colour, AnchoredRect rect) {
    constexpr int kSide = 40;
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(kSide, kSide);
    image->Image().Fill(colour.blue, colour.green, colour.red);
    image->Rect() = rect;
    return image;
}

// A pane with a backdrop, two translucent panels, a hot spot, every kind of
// text formatting, a link, a wrapped line and a selection.
bool OutputPane(const std::string& folder) {
    StillOwner owner;
    NullPaneView view;
    OutputSuppression suppression;
    CScheme& scheme = owner.scheme;
    scheme.TextFont().SetFace("DejaVu Sans");
    scheme.TextFont().SetSize(13);

    auto backdrop = std::make_unique<CSchemeImage>("backdrop");
    backdrop->Image() = AlphaImage(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            uint8_t* pixel = backdrop->Image().Pixel(x, y);
            pixel[0] = 255;
            pixel[1] = static_cast<uint8_t>(255 - y * 2);
            pixel[2] = static_cast<uint8_t>(180 + x);
            pixel[3] = static_cast<uint8_t>(150 + y);
        }
    backdrop->Rect() = {{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}};
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(backdrop)));
    for (int i = 0; i < 2; ++i) {
        auto fade = std::make_unique<CSchemeFadebox>(i ? "fade2" : "fade1");
        // The text area's panel, and a bar left of the hot spot.
        fade->Rect() = i ? FixedRect(20, 10, 190, 40) : AnchoredRect{{20, 0, 0, 48, 0, 0}, {-20, 256, 0, -20, 0, 256}};
        fade->SetOpacity(150);
        fade->SetColour(i ? RgbColour(0, 0, 80) : RgbColour(255, 255, 255));
        scheme.AppendToDrawOrder(scheme.AddItem(std::move(fade)));
    }
    const AnchoredRect button = FixedRect(200, 10, 240, 40);
    auto hotspot = std::make_unique<CSchemeHotspot>("button");
    hotspot->Rect() = button;
    hotspot->SetImageRef(HotspotLook::Normal, scheme.AddItem(Solid("n", {0, 255, 0}, button)));
    hotspot->SetImageRef(HotspotLook::MouseOver, scheme.AddItem(Solid("o", {0, 0, 255}, button)));
    hotspot->SetImageRef(HotspotLook::Pressed, scheme.AddItem(Solid("d", {255, 0, 0}, button)));
    hotspot->SetActionRef(scheme.AddItem(std::make_unique<CSchemeCommand>("a", "/hello")));
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(hotspot)));
    TextMargins margins = scheme.Margins();
    margins.rect = {{30, 0, 0, 56, 0, 0}, {-30, 256, 0, -30, 0, 256}};
    margins.continuationIndent = 24;
    scheme.SetMargins(margins);

    COutputWnd pane(owner, view, nullptr, nullptr, suppression);
    pane.Model().SetMarking({12, 4, {"parlevox"}});
    pane.Resize(640, 400);
    pane.SchemeChanged();
    for (const char* line : {"*** Now talking in #parlevox",
                             "<\bada\b> \x02" "Bold\x02, \x1Fitalic\x1F and \x03" "4red\x03, \x03" "3green\x03, "
                             "\x03" "12blue\x03 text",
                             "<\bbob\b> the release notes are at http://parlevox.example.org/notes.html for anyone",
                             "<\bada\b> \x16reverse\x16 and \x03" "0,2white on navy\x03, control bytes: \x01\x02\x1A",
                             "<\bcyd\b> a long line wraps at a space and the continuation lines start at their own "
                             "indent, which the scheme sets, so they line up under the text",
                             "<\bbob\b> this line is selected with the mouse"}) {
        pane.AddLine(line);
    }
    // Drag across part of the last display line.
    const PaneLayout& layout = pane.Layout();
    const SchemeFontGlyphs& glyphs = scheme.TextFont().Glyphs();
    auto x = [&](const char* before) { return layout.text.left + glyphs.TextWidth(0, before) + 2; };
    const int y = FirstLineTop(layout, pane.Model()) + 6 * layout.lineHeight + layout.lineHeight / 2;
    pane.ButtonDown(x("<bob> this "), y);
    pane.MouseMove(x("<bob> this line is selected"), y);
    const bool written = WritePng(pane.Paint(), folder + "/output-pane.png");
    pane.ButtonUp(x("<bob> this line is selected"), y);
    return written;
}

// The lines of a busy channel, as its window writes them with the
// installer's colour slots.
std::vector<std::string> ChannelLines() {
    const OptionsRecord::Colours slots;
    const ColourCodes colours(slots.values);
    const ChatLineFormatter f(colours, "ada");
    return {
        f.Join({"ada", "ada", "example.net"}),
        f.TopicOnJoin("Parlevox: a desktop IRC client for Linux | new schemes: Calm and Night"),
        f.Message("bob", "morning ada! the build from last night is up"),
        f.Message("ada", "thanks, trying it now"),
        f.Message("cyd", "the release notes are at http://parlevox.example.org/notes.html"),
        f.Action("bob", "puts the kettle on"),
        f.Mode("bob", "+v", {"cyd"}),
        f.Message("dee", "does the new scheme follow the window when I make it bigger?"),
        f.Message("ada", "yes: the hills keep their shape and the card keeps its margins, at any size"),
        f.Join({"eve", "eve", "garden.example.com"}),
        f.Message("eve", "hello all \x02:)\x02"),
        f.NickChange("dee", "deedee"),
        f.Message("cyd", "\x03" "3green\x03" "1, \x03" "4red\x03" "1 and \x03" "12blue\x03" "1 all read well on it"),
        f.Part({"fay", "fay", "example.org"}, "lunch"),
        f.Message("bob", "click the little sun in the corner for a hint"),
        f.Message("ada", "nice, it chimes"),
    };
}

// A quiet private chat late at night.
std::vector<std::string> PrivateLines() {
    const OptionsRecord::Colours slots;
    const ColourCodes colours(slots.values);
    const ChatLineFormatter f(colours, "ada");
    return {
        f.Message("bob", "still up?"),
        f.Message("ada", "yes, finishing the night scheme for private chats"),
        f.Message("bob", "is that the one with the moon?"),
        f.Message("ada", "the moon, some stars and the lights of a few houses on the hills"),
        f.Action("bob", "looks out of the window"),
        f.Message("bob", "ours is nearly full tonight"),
        f.PrivateNotice("bob", "sent you the screenshot"),
        f.Message("ada", "got it: \x02" "bold\x02, \x1F" "italic\x1F and \x03" "4co\x03" "7lo\x03" "9ur\x03" "11s\x03" "1 all read well"),
        f.Message("bob", "the link too: http://parlevox.example.org/schemes.html"),
        f.Message("ada", "good night!"),
        f.Message("bob", "sleep well \x02:)\x02"),
    };
}

// A window's pane under one of the sample schemes.
bool SchemePane(const std::string& schemeFile, bool channel, const std::vector<std::string>& lines,
                const std::string& path) {
    StillOwner owner;
    try {
        owner.scheme = ReadSchemeFile(schemeFile);
    } catch (const TextError& error) {
        std::fprintf(stderr, "parlevox-docpics: %s: %s\n", schemeFile.c_str(), error.Text());
        return false;
    }
    owner.channel = channel;
    NullPaneView view;
    OutputSuppression suppression;
    COutputWnd pane(owner, view, nullptr, nullptr, suppression);
    pane.Model().SetMarking({12, 4, {}});
    pane.Resize(720, 420);
    pane.SchemeChanged();
    for (const std::string& line : lines) pane.AddLine(line);
    return WritePng(pane.Paint(), path);
}

}  // namespace
}  // namespace parlevox

// fontconfig keeps its cache until the process ends; in sanitizer builds
// that is not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: parlevox-docpics <docs folder> <sample schemes folder>\n");
        return 2;
    }
    const std::string folder = argv[1], schemes = argv[2];
    const bool title = parlevox::TitleScreen(folder);
    const bool pane = parlevox::OutputPane(folder);
    const bool calm = parlevox::SchemePane(schemes + "/Calm.ParlevoxScheme", true, parlevox::ChannelLines(),
                                           folder + "/scheme-calm.png");
    const bool night = parlevox::SchemePane(schemes + "/Night.ParlevoxScheme", false, parlevox::PrivateLines(),
                                            folder + "/scheme-night.png");
    return title && pane && calm && night ? 0 : 1;
}
