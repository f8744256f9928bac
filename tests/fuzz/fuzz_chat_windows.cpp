// Server lines through dispatch into the main frame, a channel window with
// its names list and a query window, with lines typed into the channel in
// between: the formats, the names list's mode walk, net splits and the
// windows opened on demand all see hostile input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "display/ChanWnd.h"
#include "display/Scheme.h"
#include "irc/NetworkMessages.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "ui/ChatSession.h"
#include "ui/StatusWindow.h"

namespace parlevox {
namespace {

// The boxes server input may open: being kicked or killed, and the tips.
class KnownBoxesOnly final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest& box) override {
        static const std::set<std::string> known = {"Kicked out of channel", "NickServ kill", "NickServ ghost",
                                                    "Server kill", "You've been /killed", "Parlevox"};
        if (known.count(box.title)) return MessageResult::Ok;
        std::fprintf(stderr, "a box from server input: [%s] %s\n", box.title.c_str(), box.text.c_str());
        std::abort();
    }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

class NullViews final : public ChatWindowViews {
public:
    class View final : public ChatWindowView {
    public:
        void LineAdded(std::string_view) override {}
        void CaptionChanged(const std::string&) override {}
        void InputEnabled(bool) override {}
        void CloseRequested() override {}
    };
    std::unique_ptr<ChatWindowView> MakeView(ChatWindowKind, const std::string&) override {
        return std::make_unique<View>();
    }
};

struct World {
    KnownBoxesOnly ui;
    PollEventLoop loop;
    NullAudioOutput audio{false};
    CScheme scheme;
    NullViews::View statusView;
    CStatusWindow status{ui, scheme, statusView};
    NullViews views;
    std::unique_ptr<CBrimvaleApp> app;

    World() {
        UserInterface::SetCurrent(&ui);
        app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                             AppStartOptions{"/nonexistent/parlevox-fuzz.reg", "/nonexistent/", false});
    }
};

World& TheWorld() {
    static World* world = new World;  // lives to the end of the process
    return *world;
}

}  // namespace
}  // namespace parlevox

// Lines end at "\n"; a line that starts with "T " is typed into the channel
// window (while it is open), any other goes to the network window as if
// the server had sent it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    World& world = TheWorld();
    world.app->Network().State().currentNick = "me";
    CChatSession session(*world.app, world.status, world.views);
    session.Windows().OpenChannel("#x");
    session.Windows().OpenQueryWindow("bob");
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        size_t end = std::min(input.find('\n'), input.size());
        std::string line(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line.rfind("T ", 0) == 0) {
            if (CChanWnd* channel = session.Windows().FindChannel("#x")) channel->Type(line.substr(2));
        } else {
            world.loop.SendMessage(world.app->Network().WindowHandleOf(),
                                   WindowMessage(netmsg::kLineReceived, std::move(line)));
        }
        world.loop.RunOnce(0);
    }
    return 0;
}

// fontconfig keeps its configuration cache for the life of the process by
// design (the panes' fonts come through it); the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
