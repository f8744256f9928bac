#include "display/OutputWnd.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "display/SoundSystem.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "support/PngWriter.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

class RecordingView : public OutputPaneView {
public:
    void Invalidate(const PixelRect&) override { ++invalidations; }
    void SetCursor(PaneCursor cursor) override { cursors.push_back(cursor); }
    void CaptureMouse() override { ++captures; }
    void ReleaseMouse() override { ++releases; }
    void ScrollBarChanged(const ScrollBarValues& values) override { bar = values; }
    int invalidations = 0, captures = 0, releases = 0;
    std::vector<PaneCursor> cursors;
    ScrollBarValues bar;
};

class RecordingRunner : public CommandRunner {
public:
    void RunCommand(const std::string& line, const CommandContext&) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class RecordingOwner : public OutputPaneOwner {
public:
    const CScheme& Scheme() const override { return scheme; }
    ActionContext HotspotContext() const override { return {runner, {}}; }
    UserInterface& UI() const override { return *ui; }
    bool IsChannelWindow() const override { return channel; }
    void OnNicknameMenu(const std::string& nickname, int, int) override { nicknameMenus.push_back(nickname); }
    void OnContextMenu(int, int) override { ++contextMenus; }
    CScheme scheme;
    RecordingRunner* runner = nullptr;
    UserInterface* ui = nullptr;
    bool channel = true;
    std::vector<std::string> nicknameMenus;
    int contextMenus = 0;
};

std::unique_ptr<CSchemeImage> Solid(const char* name, int width, int height, BgrColour colour, AnchoredRect rect) {
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(width, height);
    image->Image().Fill(colour.blue, colour.green, colour.red);
    image->Rect() = rect;
    return image;
}

constexpr BgrColour kOver{0, 0, 255}, kPressed{255, 0, 0}, kNormal{0, 255, 0};
const AnchoredRect kButton = FixedRect(200, 10, 240, 40);

// A hot spot at kButton with three solid pictures and, optionally, a command.
void AddButton(CScheme& scheme, bool withAction) {
    auto hotspot = std::make_unique<CSchemeHotspot>("button");
    hotspot->Rect() = kButton;
    hotspot->SetImageRef(HotspotLook::Normal, scheme.AddItem(Solid("n", 40, 30, kNormal, kButton)));
    hotspot->SetImageRef(HotspotLook::MouseOver, scheme.AddItem(Solid("o", 40, 30, kOver, kButton)));
    hotspot->SetImageRef(HotspotLook::Pressed, scheme.AddItem(Solid("d", 40, 30, kPressed, kButton)));
    if (withAction) hotspot->SetActionRef(scheme.AddItem(std::make_unique<CSchemeCommand>("a", "/hello")));
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(hotspot)));
}

uint64_t Checksum(const CRawBitmap& image) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a over the visible bytes of every row
    for (int y = 0; y < image.Height(); ++y)
        for (size_t i = 0; i < static_cast<size_t>(image.Width()) * 3; ++i)
            hash = (hash ^ image.Row(y)[i]) * 1099511628211ull;
    return hash;
}

std::string Png(const CRawBitmap& image) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            BgrColour c = image.PixelColour(x, y);
            rgb.insert(rgb.end(), {c.red, c.green, c.blue});
        }
    return test::EncodePng(image.Width(), image.Height(), rgb);
}

std::string WritePng(const CRawBitmap& image, const std::string& path) {
    std::ofstream(path, std::ios::binary) << Png(image);
    return path;
}

BgrColour Average(BgrColour a, BgrColour b) {
    return {static_cast<uint8_t>((a.blue + b.blue) / 2), static_cast<uint8_t>((a.green + b.green) / 2),
            static_cast<uint8_t>((a.red + b.red) / 2)};
}

class OutputWndTest : public testing::Test {
protected:
    void SetUp() override {
        UseTestFont(owner.scheme);
        owner.runner = &runner;
        owner.ui = &ui;
        Shell::SetOpener([this](const std::string& target) {
            opened.push_back(target);
            return openerWorks;
        });
        pane.Model().SetMarking({12, 4, {"parlevox"}});
        pane.Resize(320, 120);
    }
    void TearDown() override {
        Shell::SetOpener(nullptr);
        Shell::SetLoop(nullptr);
    }
    static void UseTestFont(CScheme& scheme) {
        scheme.TextFont().SetFace("DejaVu Sans");
        scheme.TextFont().SetSize(13);
    }

    const PaneLayout& L() { return pane.Layout(); }
    // The middle of character `column` of display line `row` on screen.
    int X(std::string_view before) { return L().text.left + Glyphs().TextWidth(0, before) + 2; }
    int Y(int row) { return FirstLineTop(L(), pane.Model()) + row * L().lineHeight + L().lineHeight / 2; }
    const SchemeFontGlyphs& Glyphs() { return owner.scheme.TextFont().Glyphs(); }
    void Click(int x, int y) {
        pane.MouseMove(x, y);
        pane.ButtonDown(x, y);
        pane.ButtonUp(x, y);
    }

    test::ScriptedUserInterface ui;
    RecordingOwner owner;
    RecordingView view;
    RecordingRunner runner;
    OutputSuppression suppression;
    COutputWnd pane{owner, view, nullptr, nullptr, suppression};
    std::vector<std::string> opened;
    bool openerWorks = true;
};

TEST_F(OutputWndTest, PaintsTheGoldenPane) {
    AddButton(owner.scheme, true);
    pane.SchemeChanged();
    pane.AddLine("\x02" "Bold\x02 plain \x1Fitalic\x1F \x03" "4,8red on yellow\x03" "12 blue");
    pane.AddLine("see http://example.com/page, \x16reverse\x16 \x01\x1A \bnick\b");
    pane.AddLine("a long line that wraps at a space in the text area because it is longer than the pane");
    pane.MouseMove(210, 20);  // the mouse-over picture
    const CRawBitmap& image = pane.Paint();
    ASSERT_EQ(image.Width(), 320);
    ASSERT_EQ(image.Height(), 120);
    constexpr uint64_t kGolden = 0x44d756771787ded7;
    const uint64_t sum = Checksum(image);
    if (sum != kGolden)
        ADD_FAILURE() << "checksum " << std::hex << sum << "; picture: "
                      << WritePng(image, testing::TempDir() + "/output-pane-golden.png");
}

TEST_F(OutputWndTest, PlacesLinesAtTheTopUntilTheyFillTheTextArea) {
    struct Case {
        const char* description;
        int lines;
        int linesUp;
        bool bottomAligned;
    } cases[] = {
        {"two lines start at the top", 2, 0, false},
        {"a full pane ends at the bottom", 20, 0, true},
        {"scrolled up past the first line still ends at the bottom", 20, 2, true},
        {"scrolled to the top of a full pane still fills it", 20, 100, true},
    };
    for (const Case& c : cases) {
        pane.Clear();
        for (int i = 0; i < c.lines; ++i) pane.AddLine("\x03" "1,4mm");
        for (int i = 0; i < c.linesUp; ++i) pane.LineUp();
        const CRawBitmap& image = pane.Paint();
        const BgrColour box = owner.scheme.Colour(4);
        const int x = L().text.left + 1;
        EXPECT_EQ(image.PixelColour(x, L().text.top) == box, true) << c.description;
        EXPECT_EQ(image.PixelColour(x, L().text.bottom - 1) == box, c.bottomAligned) << c.description;
        EXPECT_EQ(view.bar.position, pane.Model().Scroll().Position()) << c.description;
    }
}

TEST_F(OutputWndTest, ColoursCellBackgrounds) {
    const CScheme& s = owner.scheme;
    struct Case {
        const char* description;
        const char* text;
        bool selected;
        BgrColour expected;
    } cases[] = {
        {"plain text shows the scheme", "xx", false, ToBgr(s.Background())},
        {"a background index fills the box", "\x03" "4,2xx", false, s.Colour(2)},
        {"reverse without background fills with the foreground", "\x16xx", false, s.Colour(1)},
        {"reverse with background fills with the foreground", "\x03" "4,2\x16xx", false, s.Colour(4)},
        {"a control character sits on the average of 0 and 1", "\x01\x01", false, Average(s.Colour(0), s.Colour(1))},
        {"a selected cell exchanges its colours", "\x03" "4,2xx", true, s.Colour(4)},
        {"a selected plain cell fills with its foreground", "xx", true, s.Colour(1)},
    };
    for (const Case& c : cases) {
        pane.Clear();
        pane.AddLine(c.text);
        if (c.selected) pane.ButtonDown(X(""), Y(0));
        const CRawBitmap& image = pane.Paint();
        EXPECT_EQ(image.PixelColour(L().text.left + 1, FirstLineTop(L(), pane.Model()) + 1), c.expected)
            << c.description;
        if (c.selected) pane.ButtonUp(X(""), Y(0));
    }
}

TEST_F(OutputWndTest, HotspotRunsItsActionOnlyWhenReleasedInside) {
    struct Case {
        const char* description;
        bool withAction;
        int releaseX;
        size_t runs;
    } cases[] = {
        {"released inside", true, 220, 1},
        {"released outside", true, 260, 0},
        {"no action", false, 220, 0},
    };
    for (const Case& c : cases) {
        owner.scheme = CScheme();
        UseTestFont(owner.scheme);
        AddButton(owner.scheme, c.withAction);
        pane.SchemeChanged();
        runner.lines.clear();
        pane.MouseMove(220, 20);
        EXPECT_EQ(pane.Paint().PixelColour(220, 20), kOver) << c.description;
        pane.ButtonDown(220, 20);
        EXPECT_EQ(pane.Paint().PixelColour(220, 20), kPressed) << c.description;
        pane.MouseMove(c.releaseX, 20);
        pane.ButtonUp(c.releaseX, 20);
        EXPECT_EQ(runner.lines.size(), c.runs) << c.description;
        EXPECT_EQ(pane.Paint().PixelColour(220, 20), c.releaseX == 220 ? kOver : kNormal) << c.description;
        pane.MouseMove(300, 100);
        EXPECT_EQ(view.captures, view.releases) << c.description;
    }
}

TEST_F(OutputWndTest, HotspotPlaysItsSoundsAsTheMouseMovesInAndOut) {
    SoundSettings settings;
    settings.userEnabled = true;
    NullAudioOutput output;
    {
        CSoundSystem sounds(output, nullptr, settings);
        AddButton(owner.scheme, false);
        auto* hotspot = owner.scheme.ItemOfKind<CSchemeHotspot>(owner.scheme.DrawOrder().back());
        ASSERT_NE(hotspot, nullptr);
        for (int event = 0; event < 3; ++event) {
            const std::string wave = "RIFF-" + std::to_string(event);
            hotspot->SetSoundRef(event, owner.scheme.AddItem(std::make_unique<CSchemeSound>(wave + ".wav", wave)));
        }
        COutputWnd noisy{owner, view, &output, &sounds, suppression};
        noisy.Resize(320, 120);
        noisy.MouseMove(220, 20);   // over
        noisy.ButtonDown(220, 20);  // down
        noisy.MouseMove(260, 20);   // up: left while pressed
        noisy.MouseMove(230, 30);   // down again
        noisy.ButtonUp(230, 30);    // up
        noisy.MouseMove(300, 100);  // left: silent
        std::string heard;
        for (const NullAudioOutput::Played& played : output.played) heard += std::string(played.data, played.size) + " ";
        EXPECT_EQ(heard, "RIFF-0 RIFF-1 RIFF-2 RIFF-1 RIFF-2 ");
    }
}

TEST_F(OutputWndTest, SelectionCopiesTheCharactersBetweenPressAndRelease) {
    pane.AddLine("line1");
    pane.AddLine("line2");
    struct Case {
        const char* description;
        int fromX, fromY, toX, toY;
        std::string expected;
    } cases[] = {
        {"across two lines", X(""), Y(0), 300, Y(1), "line1\r\nline2"},
        {"dragged backwards", X("line"), Y(1), X(""), Y(0), "line1\r\nline2"},
        {"from right of a line's end", 300, Y(0), X("line"), Y(1), "\r\nline2"},
        {"a click copies one character", X("li"), Y(1), X("li"), Y(1), "n"},
    };
    for (const Case& c : cases) {
        ui.clipboard.clear();
        pane.ButtonDown(c.fromX, c.fromY);
        pane.MouseMove(c.toX, c.toY);
        pane.ButtonUp(c.toX, c.toY);
        ASSERT_EQ(ui.clipboard.size(), 1u) << c.description;
        EXPECT_EQ(ui.clipboard[0], c.expected) << c.description;
    }
    EXPECT_EQ(view.captures, view.releases);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(OutputWndTest, MouseFindsLinesOfABottomAlignedPane) {
    const int lineHeight = L().lineHeight;
    // Seven lines and one pixel: the first visible line shows only its last pixel row.
    pane.Resize(320, 16 + 7 * lineHeight + 1);
    for (char letter = 'a'; letter <= 't'; ++letter) pane.AddLine(std::string(1, letter));
    struct Case {
        int linesAboveBottom;
        const char* expected;
    } cases[] = {{0, "t"}, {1, "s"}, {5, "o"}};
    for (const Case& c : cases) {
        ui.clipboard.clear();
        Click(X(""), L().text.bottom - c.linesAboveBottom * lineHeight - lineHeight / 2);
        EXPECT_EQ(ui.clipboard, std::vector<std::string>{c.expected}) << c.linesAboveBottom;
    }
}

TEST_F(OutputWndTest, ClipboardFailuresAreReported) {
    pane.AddLine("text");
    struct Case {
        ClipboardResult answer;
        const char* box;
    } cases[] = {{ClipboardResult::CannotOpen, "Cannot open the Clipboard"},
                 {ClipboardResult::CannotSet, "Cannot set the Clipboard data"}};
    for (const Case& c : cases) {
        ui.boxes.clear();
        ui.clipboardAnswer = c.answer;
        Click(X(""), Y(0));
        ASSERT_EQ(ui.boxes.size(), 1u) << c.box;
        EXPECT_EQ(ui.boxes[0].text, c.box);
    }
}

TEST_F(OutputWndTest, ClickingALinkOpensIt) {
    const std::string failed =
        "There was a problem executing the given URL.\n\nCheck your web browser is set up correctly; you should be "
        "able to type a URL into the Run box (from the Windows Start menu) and have it load.";
    pane.AddLine("see http://example.com/page, then");
    for (bool works : {true, false}) {
        opened.clear();
        ui.boxes.clear();
        openerWorks = works;
        Click(X("see http://ex"), Y(0));
        EXPECT_EQ(opened, std::vector<std::string>{"http://example.com/page"});
        ASSERT_EQ(ui.boxes.size(), works ? 0u : 1u);
        if (!works) {
            EXPECT_EQ(ui.boxes[0].title, "URL Error");
            EXPECT_EQ(ui.boxes[0].text, failed);
        }
    }
    EXPECT_TRUE(ui.clipboard.empty());
    EXPECT_EQ(view.cursors.back(), PaneCursor::Hand);
    pane.MouseMove(X(""), Y(0));
    EXPECT_EQ(view.cursors.back(), PaneCursor::Arrow);
}

// The real opener path: xdg-open is a script first in PATH that records its
// argument and exits with FAKE_OPEN_STATUS; its failure is only known when
// it exits, so the box comes from the loop.
TEST_F(OutputWndTest, ClickedLinkFailsWhenTheOpenerExitsWithAnError) {
    const std::string failed =
        "There was a problem executing the given URL.\n\nCheck your web browser is set up correctly; you should be "
        "able to type a URL into the Run box (from the Windows Start menu) and have it load.";
    test::TempDir bin;
    const std::string argument = bin.File("argument");
    test::WriteWholeFile(bin.File("xdg-open"),
                         "#!/bin/sh\nprintf '%s' \"$1\" > '" + argument + "'\nexit \"$FAKE_OPEN_STATUS\"\n");
    ASSERT_EQ(chmod(bin.File("xdg-open").c_str(), 0755), 0);
    test::ScopedEnvironment env;
    const char* path = std::getenv("PATH");
    env.Set("PATH", (bin.Path() + ":" + (path ? path : "/usr/bin:/bin")).c_str());
    PollEventLoop loop;
    Shell::SetOpener(nullptr);
    Shell::SetLoop(&loop);
    struct Case {
        const char* line;
        const char* before;  // the click lands just after it
        const char* status;
        const char* opened;
        bool box;
    } cases[] = {
        {"see http://example.com/page, then", "see http://ex", "0", "http://example.com/page", false},
        {"see http://example.com/page, then", "see http://ex", "4", "http://example.com/page", true},
        {"at www.example.com/page today", "at www.ex", "0", "http://www.example.com/page", false},
        {"at www.example.com/page today", "at www.ex", "3", "http://www.example.com/page", true},
    };
    for (const Case& c : cases) {
        env.Set("FAKE_OPEN_STATUS", c.status);
        pane.Clear();
        pane.AddLine(c.line);
        ui.boxes.clear();
        std::remove(argument.c_str());
        Click(X(c.before), Y(0));
        ASSERT_TRUE(loop.RunUntil([&] { return loop.WatcherCount() == 0 && loop.PendingTimerCount() == 0; }, 10000))
            << c.line << ": the opener was not seen to exit";
        EXPECT_EQ(test::ReadWholeFile(argument), c.opened);
        ASSERT_EQ(ui.boxes.size(), c.box ? 1u : 0u) << c.line << " exit " << c.status;
        if (c.box) {
            EXPECT_EQ(ui.boxes[0].title, "URL Error");
            EXPECT_EQ(ui.boxes[0].text, failed);
        }
        errno = 0;
        EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "the opener was left as a zombie";
        EXPECT_EQ(errno, ECHILD);
    }
}

TEST_F(OutputWndTest, RightClickOnANicknameOpensItsMenuInChannels) {
    pane.AddLine("<\bnick\b> hello");
    struct Case {
        const char* description;
        bool channel;
        const char* before;
        size_t menus;
    } cases[] = {
        {"nickname in a channel", true, "<n", 1},
        {"nickname in a private window", false, "<n", 0},
        {"ordinary text", true, "<nick> he", 0},
    };
    for (const Case& c : cases) {
        owner.nicknameMenus.clear();
        owner.contextMenus = 0;
        owner.channel = c.channel;
        pane.RightButtonUp(X(c.before), Y(0));
        EXPECT_EQ(owner.nicknameMenus.size(), c.menus) << c.description;
        if (c.menus) {
            EXPECT_EQ(owner.nicknameMenus[0], "nick");
        }
        EXPECT_EQ(owner.contextMenus, c.menus ? 0 : 1) << c.description;
    }
}

TEST_F(OutputWndTest, OddSizesAndHugeLinesStayInsideTheImage) {
    AddButton(owner.scheme, true);
    std::string huge(100000, 'w');
    for (size_t i = 0; i < huge.size(); i += 7) huge[i] = static_cast<char>(i % 3 ? ' ' : 0x16);
    const std::string controls(5000, '\x03');
    struct Size {
        int width, height;
    } sizes[] = {{0, 0}, {1, 1}, {0, 500}, {3, 2000}, {2000, 3}, {640, 400}};
    for (const Size& size : sizes) {
        pane.Resize(size.width, size.height);
        pane.AddLine(huge);
        pane.AddLine(controls + "\x01\x02\x1A");
        for (int p : {-5, 0, 1, 50, 5000}) {
            pane.MouseMove(p, p);
            pane.ButtonDown(p, p);
            pane.MouseMove(p / 2, p * 2);
            pane.ButtonUp(p / 2, p * 2);
            pane.RightButtonUp(p, p);
        }
        const CRawBitmap& image = pane.Paint();
        if (size.width > 0 && size.height > 0) {
            EXPECT_EQ(image.Width(), size.width);
            EXPECT_EQ(image.Height(), size.height);
        } else {
            EXPECT_TRUE(image.Empty()) << size.width << "x" << size.height;
        }
    }
}

}  // namespace
}  // namespace parlevox
