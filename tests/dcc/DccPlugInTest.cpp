// The DCC plug-in host against plug-ins built by the tests
// (tests/dcc/plugins/): loading and its refusals, installing and removing
// with the file-type table, every callback and what a plug-in may not do.
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dcc/DCCChatWnd.h"
#include "dcc/DCCControl.h"
#include "dcc/DCCPlugInTransfer.h"
#include "dcc/DCCPlugIns.h"
#include "dcc/DccFileTypes.h"
#include "dcc/DccPlugInTexts.h"
#include "display/BitmapResource.h"
#include "display/ChatWindowFixture.h"
#include "irc/RecentAddresses.h"
#include "platform/PollEventLoop.h"
#include "platform/Registry.h"
#include "settings/DccPlugInSettingsStore.h"
#include "support/LoopLeftEmpty.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#ifdef PARLEVOX_JPEG_VIEWER
#include "JpegFile.h"
#endif

namespace parlevox::test {
namespace {

std::string PlugInFile(const char* name) {
    return std::string(PARLEVOX_TEST_DCC_PLUGINS_DIR) + name + ".ParlevoxDCCPlugIn";
}

// The test plug-in's own exports, through a second reference to its library.
class TestLibrary {
public:
    explicit TestLibrary(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_) throw std::runtime_error(dlerror());
        Get<void (*)()>("TestClear")();
    }
    ~TestLibrary() { dlclose(handle_); }
    std::string Log() const { return Get<const char* (*)()>("TestLog")(); }
    const PvDccHost& Host() const { return *Get<const PvDccHost* (*)()>("TestHost")(); }
    using Hook = void (*)(const char*, int32_t);
    void SetHook(Hook hook) const { Get<void (*)(Hook)>("TestSetHook")(hook); }

private:
    template <typename F>
    F Get(const char* name) const {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }
    void* handle_;
};

// Stands for the socket: closing it ends the sink, as the reader does.
class FakeSource final : public DccSinkSource {
public:
    ~FakeSource() override {
        if (sink) sink->End(false);
    }
    void CloseTransfer() override {
        ++closes;
        if (auto ended = std::exchange(sink, nullptr)) ended->End(false);
    }
    std::shared_ptr<DccDataSink> sink;
    int closes = 0;
};

struct ViewCounts {
    int updates = 0, pictures = 0;
};

class CountingView final : public DccPlugInView {
public:
    explicit CountingView(ViewCounts& counts) : counts_(counts) {}
    void Updated(const CDCCPlugInWnd&) override { ++counts_.updates; }
    void PictureChanged(const CDCCPlugInWnd&) override { ++counts_.pictures; }

private:
    ViewCounts& counts_;
};

class PlugInViews final : public DccViews {
public:
    std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd&) override { return nullptr; }
    std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd&) override { return nullptr; }
    std::unique_ptr<DccPlugInView> MakePlugInView(CDCCPlugInWnd&) override {
        return std::make_unique<CountingView>(counts);
    }
    DccScreenArea ScreenArea() const override { return {1024, 768}; }
    ViewCounts counts;
};

DccOptions TableWithJpg() {
    DccOptions options;
    options.fileTypes.push_back({"jpg", dcc_action::kSave, "dcc/", "", ""});
    return options;
}

class DccPlugInTest : public testing::Test {
protected:
    DccPlugInTest() { plugIns.Link(&link); }

    CDCCPlugIn& Install(const char* name = "TestViewer") {
        CDCCPlugIn* plugIn = plugIns.Install(PlugInFile(name));
        if (!plugIn) throw std::runtime_error("not installed: " + (ui.boxes.empty() ? "" : ui.boxes.back().text));
        return *plugIn;
    }
    // A transfer of `path` (10 bytes offered) from bob to the test plug-in.
    void Begin(FakeSource& source, const std::string& path) {
        source.sink = plugIns.SinkFor("Test viewer");
        ASSERT_TRUE(source.sink);
        source.sink->Begin(source, "bob", path, 10);
    }
    CDCCPlugInTransfer* Transfer(int32_t handle) { return plugIns.Find("Test viewer")->Transfer(handle); }
    void RunLoop() {
        for (int i = 0; i < 3; ++i) loop.RunOnce(0);
    }

    PollEventLoop loop;
    LoopLeftEmpty loopCheck {loop};
    ScriptedUserInterface ui;
    TempDir dir;
    Registry registry;
    DccPlugInSettingsStore settings {registry};
    DccOptions options = TableWithJpg();
    int saves = 0;
    PlugInViews views;
    std::vector<std::string> ignored;
    DccPlugInLink link {&views, nullptr, [this](const std::string& nick) { ignored.push_back(nick); }};
    TestLibrary test {PlugInFile("TestViewer")};
    CDCCPlugIns plugIns {{loop, ui, options, &settings, [this] { ++saves; }}};
};

TEST_F(DccPlugInTest, BadLibrariesAreRefusedAndLeaveTheListAsItWas) {
    const std::string notElf = dir.File("Text.ParlevoxDCCPlugIn");
    std::ofstream(notElf) << "not a library\n";
    const std::string noInit = PlugInFile("NoInit"), initZero = PlugInFile("InitZero");
    const std::string incompatible = " is not compatible with this version of Parlevox";
    struct Case {
        std::string path, installText, startupText;
    } cases[] = {
        {"/nonexistent/Gone.ParlevoxDCCPlugIn", "The plug-in could not be loaded.",
         "A plug-in could not be loaded and has been removed from the list of those installed."},
        {"TestViewer.ParlevoxDCCPlugIn", "The plug-in could not be loaded.",
         "A plug-in could not be loaded and has been removed from the list of those installed."},
        {notElf, "Failed to load plug-in " + notElf, "Failed to load plug-in " + notElf},
        {noInit, "Plug-in " + noInit + incompatible, "Plug-in " + noInit + incompatible},
        {initZero, "Plug-in " + initZero + incompatible, "Plug-in " + initZero + incompatible},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        DccOptions own = TableWithJpg();
        int ownSaves = 0;
        CDCCPlugIns list({loop, ui, own, &settings, [&] { ++ownSaves; }});
        EXPECT_EQ(list.Install(c.path), nullptr);
        ASSERT_FALSE(ui.boxes.empty());
        EXPECT_EQ(ui.boxes.back().text, c.installText);
        EXPECT_TRUE(list.PlugIns().empty());
        EXPECT_EQ(own, TableWithJpg());
        EXPECT_EQ(ownSaves, 0);

        own.plugIns = {c.path, PlugInFile("TestViewer")};
        list.LoadInstalled();
        EXPECT_EQ(ui.boxes.back().text, c.startupText);
        ASSERT_EQ(list.PlugIns().size(), 1u);
        EXPECT_EQ(list.PlugIns()[0]->Name(), "Test viewer");
        EXPECT_EQ(own.plugIns, std::vector<std::string> {PlugInFile("TestViewer")}) << "the failure is dropped";
        EXPECT_EQ(ownSaves, 1);
    }
}

TEST_F(DccPlugInTest, TheInformationBlockIsReadOnlyWithinItsFields) {
    const CDCCPlugIn& good = Install();
    EXPECT_EQ(good.Name(), "Test viewer");
    EXPECT_EQ(good.Text1(), "text one");
    EXPECT_EQ(good.Text2(), "text two");
    EXPECT_EQ(good.Types(), (std::array<std::string, 3> {"gif", "", "JPG"}));
    EXPECT_EQ(good.Value(), 7);
    EXPECT_EQ(good.Icon().PixelColour(0, 0), (BgrColour {0, 0, 255})) << "drawn by the plug-in";
    EXPECT_EQ(good.Icon().PixelColour(1, 0), (BgrColour {255, 255, 255}));
    EXPECT_EQ(test.Log(), "Init 2 1\nStartup\n");

    const CDCCPlugIn& unterminated = Install("NoTerminators");
    EXPECT_EQ(unterminated.Name(), std::string(32, 'N'));
    EXPECT_EQ(unterminated.Text1(), std::string(32, 'A'));
    EXPECT_EQ(unterminated.Text2(), std::string(64, 'B'));
    EXPECT_EQ(unterminated.Types()[2], std::string(16, 'T'));
}

TEST_F(DccPlugInTest, InstallingTakesOverTheDeclaredTypesOnce) {
    std::string shortened = PlugInFile("TestViewer");
    shortened.resize(shortened.size() - std::string("levoxDCCPlugIn").size());
    ui.openAnswers = {shortened};
    ASSERT_NE(plugIns.InstallChosen(), nullptr);
    ASSERT_EQ(ui.openDialogs.size(), 1u);
    EXPECT_EQ(ui.openDialogs[0].title, "Select plug-in");
    EXPECT_EQ(ui.openDialogs[0].filter, "Parlevox DCC plug-ins (*.ParlevoxDCCPlugIn)|*.ParlevoxDCCPlugIn||");
    EXPECT_EQ(options.plugIns, std::vector<std::string> {PlugInFile("TestViewer")});
    // gif, (empty) and JPG against a table holding jpg.
    ASSERT_EQ(options.fileTypes.size(), 3u);
    EXPECT_EQ(options.fileTypes[1], (DccFileType {"jpg", dcc_action::kPlugIn, "dcc/", "", "Test viewer"}));
    EXPECT_EQ(options.fileTypes[2].pattern, "GIF");
    EXPECT_EQ(options.fileTypes[2].action, dcc_action::kPlugIn);
    EXPECT_EQ(options.fileTypes[2].plugIn, "Test viewer");
    EXPECT_EQ(saves, 1);

    // The same file again: refused before its Init could replace the
    // first copy's host block.
    EXPECT_EQ(plugIns.Install(PlugInFile("TestViewer")), nullptr);
    EXPECT_EQ(ui.boxes.back().text,
              "A plug-in with that name already exists. You can't install two copies of the same plug-in.");
    EXPECT_EQ(plugIns.PlugIns().size(), 1u);
    EXPECT_EQ(options.fileTypes.size(), 3u);
    const PvDccHost& host = test.Host();
    EXPECT_EQ(host.getSettingInt(host.plugin, "Zoom", 5), 5) << "the first copy's host block still answers";

    struct Name {
        const char* chosen;
        const char* completed;
    } names[] = {
        {"/p/a.Par", "/p/a.ParlevoxDCCPlugIn"}, {"/p/a.pAR", "/p/a.pARlevoxDCCPlugIn"}, {"/p/a.Parl", "/p/a.Parl"},
        {"/p/a.ParlevoxDCCPlugIn", "/p/a.ParlevoxDCCPlugIn"}, {"/p/aPar", "/p/aPar"}, {"Par", "Par"},
    };
    for (const Name& name : names) EXPECT_EQ(CDCCPlugIns::CompleteExtension(name.chosen), name.completed);
}

TEST_F(DccPlugInTest, RemovalAsksThenSavesItsTypesToDiskAgain) {
    Install();
    FakeSource source;
    Begin(source, dir.File("a.gif"));
    PvBitmap bitmap {};
    const PvDccHost& host = test.Host();
    ASSERT_NE(host.openWindow(host.plugin, 1, 8, 8, &bitmap, 1, 1), 0);

    ui.boxAnswers = {MessageResult::No};
    EXPECT_FALSE(plugIns.Remove(0));
    EXPECT_EQ(ui.boxes.back().title, "Plug-in removal");
    EXPECT_EQ(plugIns.PlugIns().size(), 1u);
    ui.boxAnswers = {MessageResult::Yes};
    EXPECT_TRUE(plugIns.Remove(0));
    EXPECT_EQ(source.closes, 1);
    EXPECT_NE(test.Log().find("Finish 1 2\n"), std::string::npos) << "its transfer ended before the library went";
    EXPECT_TRUE(options.plugIns.empty());
    for (size_t i = 1; i < options.fileTypes.size(); ++i) EXPECT_EQ(options.fileTypes[i].action, dcc_action::kSave);
    EXPECT_EQ(plugIns.SinkFor("Test viewer"), nullptr) << "the next such file is only saved";
}

TEST_F(DccPlugInTest, EachCallbackServesOnlyItsOwnPlugInAndTransfer) {
    Install();
    FakeSource first;
    Begin(first, dir.File("a.gif"));
    first.sink->Data(reinterpret_cast<const uint8_t*>("hello"), 5);
    EXPECT_EQ(test.Log(), "Init 2 1\nStartup\nStart 1 " + dir.File("a.gif") + " 10\nData 1 hello\n");
    const PvDccHost& host = test.Host();
    void* const wrong = reinterpret_cast<void*>(uintptr_t {0x1234});

    struct Size {
        int32_t width, height;
        bool opens;
    } sizes[] = {{512, 512, true}, {513, 512, false}, {1024, 1025, false}, {0, 5, false},
                 {5, -1, false},   {1000, 200, true}, {100, 800, false}};
    std::vector<std::unique_ptr<FakeSource>> sources;
    for (const Size& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        sources.push_back(std::make_unique<FakeSource>());
        Begin(*sources.back(), dir.File("b.gif"));
        const auto handle = static_cast<int32_t>(sources.size() + 1);
        PvBitmap bitmap {};
        const PvWindow window = host.openWindow(host.plugin, handle, size.width, size.height, &bitmap, 1, 1);
        EXPECT_EQ(window != 0, size.opens);
        if (!size.opens) continue;
        EXPECT_EQ(bitmap.width, size.width);
        EXPECT_EQ(bitmap.height, size.height);
        EXPECT_EQ(bitmap.bytesPerRow, size.width * 4);
        bitmap.pixels[bitmap.bytesPerRow * bitmap.height - 1] = 1;  // the last byte is the picture's
        EXPECT_EQ(host.openWindow(host.plugin, handle, 8, 8, &bitmap, 0, 0), 0) << "one window a transfer";
    }

    PvBitmap bitmap {};
    EXPECT_EQ(host.openWindow(wrong, 1, 8, 8, &bitmap, 1, 1), 0);
    EXPECT_EQ(host.openWindow(host.plugin, 99, 8, 8, &bitmap, 1, 1), 0);
    EXPECT_EQ(host.getSettingInt(wrong, "Zoom", 5), 0);
    host.setSettingInt(wrong, "Zoom", 3);
    char untouched[4] = "abc";
    host.getSettingString(wrong, "Zoom", untouched, sizeof untouched);
    EXPECT_STREQ(untouched, "abc");
    host.redraw(wrong, 1);
    host.redraw(host.plugin, 99);
    host.deleteTransfer(wrong, 1);
    host.closeTransfer(host.plugin, 99);
    RunLoop();
    EXPECT_EQ(first.closes, 0);
    EXPECT_EQ(views.counts.pictures, 0);

    ASSERT_NE(host.openWindow(host.plugin, 1, 8, 8, &bitmap, 1, 1), 0);
    host.redraw(host.plugin, 1);
    EXPECT_EQ(views.counts.pictures, 1);
    host.setSettingString(host.plugin, "Name", "abcdefghijklmnopqrst");
    char buffer[8];
    host.getSettingString(host.plugin, "Name", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "abcdefg");
    host.getSettingString(host.plugin, "Missing", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    host.setSettingInt(host.plugin, "Zoom", -3);
    EXPECT_EQ(host.getSettingInt(host.plugin, "Zoom", 1), -3);
    EXPECT_EQ(registry.GetProfileString("Plug-in Test viewer", "Name"), "abcdefghijklmnopqrst");
    EXPECT_EQ(registry.GetProfileInt("Plug-in Test viewer", "Zoom", 0), -3);
    EXPECT_EQ(host.hostQuery(), 0);
}

// Delete, ignore and close, from the plug-in or the window: they happen
// once the current call is over, and the handle is dead afterwards.
TEST_F(DccPlugInTest, DeleteIgnoreAndCloseEndTheTransferOnceTheCallIsOver) {
    Install();
    const PvDccHost& host = test.Host();
    enum By { kCallback, kButton, kCloseBox };
    struct Case {
        const char* name;
        By by;
        CDCCPlugIn::Action action;
        bool fileThere;   // before the action
        bool fileAfter;
        bool ignoresBob;
        bool deleteBox;
    } cases[] = {
        {"delete", kCallback, CDCCPlugIn::Action::Delete, true, false, false, false},
        {"ignore", kCallback, CDCCPlugIn::Action::Ignore, true, false, true, false},
        {"close", kCallback, CDCCPlugIn::Action::Close, true, true, false, false},
        {"delete button", kButton, CDCCPlugIn::Action::Delete, true, false, false, false},
        {"ignore button", kButton, CDCCPlugIn::Action::Ignore, true, false, true, false},
        {"close button", kButton, CDCCPlugIn::Action::Close, true, true, false, false},
        {"close box", kCloseBox, CDCCPlugIn::Action::Close, true, true, false, false},
        {"delete of a vanished file", kCallback, CDCCPlugIn::Action::Delete, false, false, false, true},
    };
    int32_t handle = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++handle;
        const std::string path = dir.File("pic.gif");
        std::filesystem::remove(path);
        if (c.fileThere) std::ofstream(path) << "x";
        ignored.clear();
        const size_t boxes = ui.boxes.size();
        FakeSource source;
        Begin(source, path);
        PvBitmap bitmap {};
        ASSERT_NE(host.openWindow(host.plugin, handle, 200, 10, &bitmap, 1, 1), 0);
        CDCCPlugInWnd& window = *Transfer(handle)->Window();
        const int button = static_cast<int>(c.action);
        const int x = 5 + 42 * button;
        switch (c.by) {
            case kCallback:
                (c.action == CDCCPlugIn::Action::Delete   ? host.deleteTransfer
                 : c.action == CDCCPlugIn::Action::Ignore ? host.ignoreSender
                                                          : host.closeTransfer)(host.plugin, handle);
                break;
            case kButton:
                window.MouseEvent(CDCCPlugInWnd::Mouse::LeftDown, x, 5);
                window.MouseEvent(CDCCPlugInWnd::Mouse::LeftUp, x, 5);
                break;
            case kCloseBox: window.RequestClose(); break;
        }
        EXPECT_EQ(source.closes, 0) << "not inside the call";
        RunLoop();
        EXPECT_EQ(source.closes, 1);
        EXPECT_NE(test.Log().find("Finish " + std::to_string(handle) + " 2\n"), std::string::npos);
        EXPECT_EQ(std::filesystem::exists(path), c.fileAfter);
        EXPECT_EQ(ignored, c.ignoresBob ? std::vector<std::string> {"bob"} : std::vector<std::string> {});
        EXPECT_EQ(ui.boxes.size(), boxes + (c.deleteBox ? 1 : 0));
        if (c.deleteBox) {
            EXPECT_EQ(ui.boxes.back().title, "DCC transfer delete failure");
            EXPECT_EQ(ui.boxes.back().text, dcc_plugin_text::kDeleteFailure);
        }
        // A closed transfer's handle reaches nothing.
        EXPECT_EQ(Transfer(handle), nullptr);
        std::ofstream(path) << "y";
        host.deleteTransfer(host.plugin, handle);
        host.redraw(host.plugin, handle);
        EXPECT_EQ(host.openWindow(host.plugin, handle, 8, 8, &bitmap, 0, 0), 0);
        RunLoop();
        EXPECT_TRUE(std::filesystem::exists(path));
    }
}

// What the test's hook does inside the plug-in's Finish.
const PvDccHost* hookHost = nullptr;
PvWindow openedInFinish = 0;
void OpenInFinish(const char* call, int32_t transfer) {
    PvBitmap bitmap {};
    if (std::string(call) == "Finish")
        openedInFinish = hookHost->openWindow(hookHost->plugin, transfer, 8, 8, &bitmap, 1, 0);
}

TEST_F(DccPlugInTest, AWindowOpensUntilTheFinishAndCallbacksAfterTheEndDoNothing) {
    Install();
    const PvDccHost& host = test.Host();
    const std::string path = dir.File("pic.gif");
    std::ofstream(path) << "x";
    for (bool openInFinish : {false, true}) {
        SCOPED_TRACE(openInFinish ? "opened in Finish" : "no window");
        hookHost = &host;
        openedInFinish = 0;
        test.SetHook(openInFinish ? &OpenInFinish : nullptr);
        FakeSource source;
        Begin(source, path);
        const int32_t handle = openInFinish ? 2 : 1;
        source.sink->Data(reinterpret_cast<const uint8_t*>("0123456789"), 10);
        source.sink->End(true);
        EXPECT_NE(test.Log().find("Finish " + std::to_string(handle) + " 0\n"), std::string::npos);
        EXPECT_EQ(openedInFinish != 0, openInFinish);
        if (openInFinish) {
            const CDCCPlugInWnd& window = *Transfer(handle)->Window();
            EXPECT_EQ(window.Title(), "pic.gif - bob");
            EXPECT_EQ(window.ProgressValue(), window.ProgressMaximum());
            host.redraw(host.plugin, handle);
            EXPECT_EQ(views.counts.pictures, 1) << "a finished picture is still shown";
            continue;
        }
        PvBitmap bitmap {};
        EXPECT_EQ(host.openWindow(host.plugin, handle, 8, 8, &bitmap, 1, 1), 0);
        host.deleteTransfer(host.plugin, handle);
        host.ignoreSender(host.plugin, handle);
        source.sink->Data(reinterpret_cast<const uint8_t*>("late"), 4);
        source.sink->End(false);
        RunLoop();
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_TRUE(ignored.empty());
        EXPECT_EQ(test.Log().find("late"), std::string::npos);
        EXPECT_EQ(test.Log().find("Finish 1 2"), std::string::npos);
    }
    test.SetHook(nullptr);
}

TEST_F(DccPlugInTest, TheStripActsOnAReleaseOverThePressedButtonAndPassesThePictureOn) {
    std::unique_ptr<CDCCPlugInWnd> window = CDCCPlugInWnd::Make(200, 50, true, true, {}, nullptr);
    ASSERT_TRUE(window);
    std::vector<int> buttons;
    std::vector<std::array<int, 3>> events;
    window->onButton = [&](CDCCPlugInWnd::Button button) { buttons.push_back(button); };
    window->onPictureMouse = [&](int event, int x, int y) { events.push_back({event, x, y}); };
    using M = CDCCPlugInWnd::Mouse;
    struct Click {
        int downX, downY, upX, upY;
        int button;  // acted on, or kNoButton
    } clicks[] = {
        {5, 5, 5, 5, CDCCPlugInWnd::kDelete},    {40, 1, 0, 17, CDCCPlugInWnd::kDelete},
        {41, 5, 41, 5, CDCCPlugInWnd::kNoButton}, {42, 5, 82, 10, CDCCPlugInWnd::kIgnore},
        {84, 5, 124, 5, CDCCPlugInWnd::kClose},  {125, 5, 125, 5, CDCCPlugInWnd::kNoButton},
        {5, 5, 50, 5, CDCCPlugInWnd::kNoButton}, {5, 0, 5, 0, CDCCPlugInWnd::kNoButton},
        {5, 18, 5, 18, CDCCPlugInWnd::kNoButton}, {5, 5, 5, 40, CDCCPlugInWnd::kNoButton},
    };
    for (const Click& click : clicks) {
        SCOPED_TRACE(testing::Message() << click.downX << "," << click.downY << " to " << click.upX << ","
                                        << click.upY);
        buttons.clear();
        window->MouseEvent(M::LeftDown, click.downX, click.downY);
        window->MouseEvent(M::LeftUp, click.upX, click.upY);
        const std::vector<int> acted = click.button == CDCCPlugInWnd::kNoButton ? std::vector<int> {}
                                                                                : std::vector<int> {click.button};
        EXPECT_EQ(buttons, acted);
    }
    EXPECT_TRUE(events.empty()) << "a pressed button keeps the mouse";

    // The strip's art: pressed from "BV-DCCD", under the pointer from "BV-DCCO".
    const CRawBitmap pressed = *BitmapResource::Load("BV-DCCD"), over = *BitmapResource::Load("BV-DCCO");
    const CRawBitmap normal = *BitmapResource::Load("BV-DCC");
    window->MouseEvent(M::Move, 50, 5);
    EXPECT_EQ(window->Strip().PixelColour(50, 5), over.PixelColour(50, 5));
    EXPECT_EQ(window->Strip().PixelColour(5, 5), normal.PixelColour(5, 5));
    window->MouseEvent(M::LeftDown, 5, 5);
    EXPECT_EQ(window->Strip().PixelColour(5, 5), pressed.PixelColour(5, 5));
    window->MouseEvent(M::LeftUp, 5, 5);

    window->MouseEvent(M::RightDown, 10, 19);
    window->MouseEvent(M::RightUp, 199, 68);
    window->MouseEvent(M::Move, 3, 30);
    EXPECT_EQ(events, (std::vector<std::array<int, 3>> {{2, 10, 0}, {3, 199, 49}, {4, 3, 11}}));

    std::unique_ptr<CDCCPlugInWnd> plain = CDCCPlugInWnd::Make(20, 20, false, false, {}, nullptr);
    plain->onPictureMouse = [&](int event, int x, int y) { events.push_back({event, x, y}); };
    plain->MouseEvent(M::LeftDown, 1, 2);
    EXPECT_EQ(events.back(), (std::array<int, 3> {0, 1, 2})) << "no strip, nothing taken off";
    EXPECT_EQ(plain->ClientWidth(), 20);
    EXPECT_EQ(window->ClientWidth(), 200);
    EXPECT_EQ(CDCCPlugInWnd::Make(20, 20, false, true, {}, nullptr)->ClientWidth(), 126) << "room for the buttons";

    EXPECT_EQ(window->Title(), "Should be nick and filename");
    window->Attach("bob", "dcc/pic.jpg", 4096);
    window->SetProgress(2048);
    EXPECT_EQ(window->Title(), "pic.jpg - bob");
    EXPECT_EQ(window->ProgressMaximum(), 4);
    EXPECT_EQ(window->ProgressValue(), 2);
}

class NoChats final : public DccChatWindows {
public:
    CDCCChatWnd& OpenDccChat(const std::string&, uint16_t) override { throw std::logic_error("no chats here"); }
};

// Files received over loopback through the DCC control, handed to the
// plug-in their type names.
class DccPlugInReceiveTest : public ChatWindowFixture {
protected:
    static constexpr uint32_t kLoopback = 0x7F000001;

    DccPlugInReceiveTest() {
        state.localAddress = "127.0.0.1";
        DccControlServices services {loop, network.Handle(), state, ui, nullptr, dir.Path() + "/", views, chats};
        services.addIgnore = [](const AddressRecord&, const std::string&) {};
        services.isFriend = [](const AddressRecord&) { return false; };
        services.plugIns = &plugIns;
        services.recentAddresses = &recent;
        services.addIgnoreEntry = [this](const AddressRecord& address, const std::string& reason, bool exact) {
            entries.push_back(address.Text() + " " + reason + (exact ? " (exact)" : " (inexact)"));
        };
        control = std::make_unique<CDCCControl>(services, options);
    }
    ~DccPlugInReceiveTest() override {
        control.reset();
        loop.RunUntil([] { return false; }, 30);
    }

    // Offers the bytes as `name` from bob and runs the receive to its end.
    void Receive(const std::string& name, const std::string& bytes) {
        WriteWholeFile(dir.File("out.bin"), bytes);
        std::string error;
        std::unique_ptr<CDCCWnd> sender = CDCCWnd::StartSend(loop, ui, {"Me", dir.File("out.bin"), false},
                                                             control->TransferSettings(), error);
        ASSERT_TRUE(sender) << error;
        const size_t before = control->Transfers().size();
        control->StartReceive({AddressRecord::FromSender("bob!b@h.example"), name, bytes.size(), kLoopback,
                               sender->ListenPort(), ""},
                              0);
        ASSERT_EQ(control->Transfers().size(), before + 1);
        const CDCCWnd& receiver = *control->Transfers().back();
        ASSERT_TRUE(loop.RunUntil([&] { return receiver.GetState() == CDCCWnd::State::Completed; }, 20000));
        EXPECT_EQ(ReadWholeFile(dir.File("dcc/" + name)), bytes);
    }

    PlugInViews views;
    NoChats chats;
    RecentAddresses recent;
    std::vector<std::string> entries;
    DccOptions options;
    Registry registry;
    DccPlugInSettingsStore settings {registry};
    CDCCPlugIns plugIns {{loop, ui, options, &settings, {}}};
    std::unique_ptr<CDCCControl> control;
};

// The sender by the last address seen of the nick, else by the nick alone.
TEST_F(DccPlugInReceiveTest, IgnoringDuringDccUsesTheLastKnownAddress) {
    recent.Offer("alice!a@x.example");
    recent.Offer("Bob!bobby@host.example");
    control->IgnoreDuringDcc("bob");
    control->IgnoreDuringDcc("carol");
    EXPECT_EQ(entries, (std::vector<std::string> {"Bob!bobby@host.example Ignore during DCC (inexact)",
                                                  "carol!*@* Ignore during DCC (exact)"}));
}

TEST_F(DccPlugInReceiveTest, ARemovedPlugInsTypesAreOnlySaved) {
    TestLibrary test(PlugInFile("TestViewer"));
    ASSERT_TRUE(plugIns.Install(PlugInFile("TestViewer")));
    Receive("first.gif", "abc");
    EXPECT_NE(test.Log().find("Start 1 " + dir.File("dcc/first.gif") + " 3\nData 1 abc\nFinish 1 0\n"),
              std::string::npos);
    ui.boxAnswers = {MessageResult::Yes};
    ASSERT_TRUE(plugIns.Remove(0));
    test.SetHook(nullptr);
    const std::string before = test.Log();
    Receive("second.gif", "def");
    EXPECT_EQ(test.Log(), before);
}

#ifdef PARLEVOX_JPEG_VIEWER
// A 400 x 300 picture: red on the left, blue on the right, with a band of
// noise across the middle that makes the file long enough to arrive in
// many blocks.
std::string TestPicture(bool progressive) {
    std::vector<uint8_t> rgb(400 * 300 * 3);
    uint32_t seed = 7;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            uint8_t* p = &rgb[static_cast<size_t>(y * 400 + x) * 3];
            seed = seed * 1103515245u + 12345u;
            const bool noise = y >= 120 && y < 180;
            p[0] = noise ? static_cast<uint8_t>(seed >> 16) : x < 200 ? 255 : 0;
            p[1] = noise ? static_cast<uint8_t>(seed >> 8) : 0;
            p[2] = noise ? static_cast<uint8_t>(seed >> 24) : x < 200 ? 0 : 255;
        }
    return EncodeJpeg(rgb, 400, 300, 92, progressive);
}

// Blue, green, red of the picture's pixel.
std::array<int, 3> Pixel(const CDCCPlugInWnd& window, int x, int y) {
    const uint8_t* p = window.Pixels() + static_cast<size_t>(y) * window.BytesPerRow() + static_cast<size_t>(x) * 4;
    return {p[0], p[1], p[2]};
}

bool Near(std::array<int, 3> got, std::array<int, 3> wanted) {
    for (size_t i = 0; i < 3; ++i)
        if (std::abs(got[i] - wanted[i]) > 40) return false;
    return true;
}

constexpr std::array<int, 3> kRed {0, 0, 255}, kBlue {255, 0, 0}, kNotYet {0x40, 0x40, 0x40};

TEST_F(DccPlugInReceiveTest, TheJpegViewerShowsAPictureReceivedOverLoopback) {
    ASSERT_TRUE(plugIns.Install(PARLEVOX_JPEG_VIEWER));
    EXPECT_EQ(FileTypeFor(options, "x.jpeg").plugIn, "JPEG viewer");
    const std::string jpeg = TestPicture(false);
    Receive("pic.jpg", jpeg);
    CDCCPlugInTransfer* transfer = plugIns.Find("JPEG viewer")->Transfer(1);
    ASSERT_TRUE(transfer && transfer->Window());
    const CDCCPlugInWnd& window = *transfer->Window();
    EXPECT_EQ(window.Title(), "pic.jpg - bob");
    EXPECT_EQ(window.PictureWidth(), 400);
    EXPECT_EQ(window.PictureHeight(), 300);
    EXPECT_EQ(window.ProgressValue(), window.ProgressMaximum());
    EXPECT_TRUE(Near(Pixel(window, 20, 20), kRed));
    EXPECT_TRUE(Near(Pixel(window, 380, 290), kBlue));
    EXPECT_GT(views.counts.pictures, 1) << "drawn as it arrived";
}

// Fed by hand in blocks of every size down to single bytes: half the file
// shows the top of a baseline picture, or the whole of a progressive one
// from its first scans.
TEST_F(DccPlugInReceiveTest, TheJpegViewerDrawsWhatHasArrived) {
    ASSERT_TRUE(plugIns.Install(PARLEVOX_JPEG_VIEWER));
    struct Case {
        bool progressive;
        size_t block;
    } cases[] = {{false, 1}, {false, 7}, {false, 100000}, {true, 1}, {true, 4096}};
    int32_t handle = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.progressive ? "progressive" : "baseline") << ", blocks of " << c.block);
        const std::string jpeg = TestPicture(c.progressive);
        FakeSource source;
        source.sink = plugIns.SinkFor("JPEG viewer");
        source.sink->Begin(source, "bob", dir.File("pic.jpg"), jpeg.size());
        ++handle;
        auto feed = [&](size_t from, size_t to) {
            for (size_t at = from; at < to; at += c.block)
                source.sink->Data(reinterpret_cast<const uint8_t*>(jpeg.data()) + at, std::min(c.block, to - at));
        };
        feed(0, jpeg.size() / 2);
        ASSERT_TRUE(plugIns.Find("JPEG viewer")->Transfer(handle)->Window());
        const CDCCPlugInWnd& window = *plugIns.Find("JPEG viewer")->Transfer(handle)->Window();
        EXPECT_TRUE(Near(Pixel(window, 20, 20), kRed));
        EXPECT_EQ(Pixel(window, 380, 290) == kNotYet, !c.progressive) << "the bottom rows have not arrived";
        feed(jpeg.size() / 2, jpeg.size());
        source.sink->End(true);
        source.sink = nullptr;
        EXPECT_TRUE(Near(Pixel(window, 380, 290), kBlue));
    }
}
#endif

}  // namespace
}  // namespace parlevox::test
