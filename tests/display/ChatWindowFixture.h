#pragma once
// What the channel and private message window tests share: a network window
// stand-in that keeps the handler records, dispatches and records the lines
// sent, a command runner that captures like the msg and CTCP commands, and
// a view that records what the window tells it.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/TextHelpers.h"
#include "display/ChatWindow.h"
#include "display/Scheme.h"
#include "display/SoundSystem.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkMessages.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox::test {

class FakeNetworkWindow : public MessageTarget {
public:
    explicit FakeNetworkWindow(EventLoop& loop) : MessageTarget(loop), notify(loop) {}
    intptr_t OnMessage(WindowMessage& message) override {
        switch (message.id) {
            case netmsg::kRegisterHandler:
                return notify.Register(static_cast<HandlerRecordPayload&>(*message.object).record);
            case netmsg::kRemoveHandler: notify.RemoveById(static_cast<uint32_t>(message.wParam)); return 0;
            case netmsg::kRemoveWindowHandlers: notify.RemoveByWindow(static_cast<WindowHandle>(message.wParam)); return 0;
            case netmsg::kSendLine: sent.push_back(message.text); return 0;
            case netmsg::kDispatchEvent:
                notify.Dispatch(std::move(static_cast<EventPayload&>(*message.object).message));
                return 0;
        }
        return 0;
    }
    // A line from the server.
    void Receive(const std::string& line) {
        ParsedLine parsed = ParseIRCLine(line, ParseOptions{});
        ASSERT_TRUE(parsed.message) << line;
        notify.Dispatch(std::move(parsed.message));
    }
    void Dispatch(std::unique_ptr<CIRCMessage> message) { notify.Dispatch(std::move(message)); }
    CIRCNotifyList notify;
    std::vector<std::string> sent;
};

// Takes every top-level event last and notes whether a window showed it.
class HandledRecorder : public EventHandlerWindow {
public:
    HandledRecorder(EventLoop& loop, WindowHandle network) : EventHandlerWindow(loop, network) {
        for (uint32_t type = kPRIVMSG; type <= kWallops; ++type) Register(type, priority::kFallback);
    }
    void OnEvent(CIRCMessage& message, uint32_t) override { handled.push_back(message.handled); }
    std::vector<int> handled;
};

// Stores the sent text in an armed capture as "/msg T text" ("text") and
// "/ctcp T TYPE text" ("\x01TYPE text\x01") do; with `sends` off it sends
// nothing.
class CapturingRunner : public CommandLineRunner {
public:
    void Run(std::string_view line, const std::string& channel, const std::string& nick, CommandOutput&) override {
        runs.push_back({std::string(line), channel, nick});
        if (!sends || capture != "!") return;
        std::string rest(line);
        const bool ctcp = rest.rfind("/ctcp ", 0) == 0;
        if (!ctcp && rest.rfind("/msg ", 0) != 0) return;
        for (int words = 2; words > 0 && rest.find(' ') != std::string::npos; --words)
            rest.erase(0, rest.find(' ') + 1);
        capture = ctcp ? "\x01" + rest + "\x01" : rest;
    }
    std::string& CaptureText() override { return capture; }
    struct RunRecord {
        std::string line, channel, nick;
    };
    std::vector<RunRecord> runs;
    std::string capture;
    bool sends = true;
};

class RecordingChatView : public ChatWindowView {
public:
    void LineAdded(std::string_view text) override { lines.emplace_back(text); }
    void CaptionChanged(const std::string& caption) override { captions.push_back(caption); }
    void InputEnabled(bool enabled) override { inputs.push_back(enabled); }
    void CloseRequested() override { ++closeRequests; }
    void TopicChanged(const std::string& topic) override { topics.push_back(topic); }
    std::string Last() const { return lines.empty() ? std::string() : lines.back(); }
    std::vector<std::string> lines, captions, topics;
    std::vector<bool> inputs;
    int closeRequests = 0;
};

// Slot n holds colour n: "\x03" "11" is the own-message colour.
inline ColourCodes SlotColours() {
    std::array<int, ColourCodes::kSlots> values {};
    for (int slot = 0; slot < ColourCodes::kSlots; ++slot) values[static_cast<size_t>(slot)] = slot;
    return ColourCodes(values);
}

inline std::string C(int slot) {
    return "\x03" + std::to_string(slot);
}

class ChatWindowFixture : public ::testing::Test {
protected:
    ChatWindowFixture() {
        state.currentNick = "Me";
        state.currentUserName = "me";
        state.localHostName = "here";
        SoundSettings settings;
        settings.userEnabled = true;
        settings.folder = dir.File("sounds/");
        sounds = std::make_unique<CSoundSystem>(audio, nullptr, settings);
    }

    ChatWindowServices Services() {
        return {loop, network.Handle(), state, colours, runner, sounds.get(), ui, schemes, dir.Path() + "/", muck, {}};
    }

    PollEventLoop loop;
    LoopLeftEmpty loopCheck{loop};
    ScriptedUserInterface ui;
    TempDir dir;
    FakeNetworkWindow network{loop};
    HandledRecorder recorder{loop, network.Handle()};
    ConnectionState state;
    ColourCodes colours = SlotColours();
    CapturingRunner runner;
    NullAudioOutput audio;
    std::unique_ptr<CSoundSystem> sounds;
    CSchemeManager schemes{ui, "/"};
    bool muck = false;
    RecordingChatView view;
};

}  // namespace parlevox::test
