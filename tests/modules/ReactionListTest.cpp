// The reaction list in a real dispatch: a network window with its notify
// list, the list's hooks, and a window handler after them that stands for
// the default handling.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandOutput.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkWnd.h"
#include "modules/ReactionList.h"
#include "modules/ReactionTexts.h"
#include "modules/ScriptModule.h"
#include "platform/PollEventLoop.h"
#include "script/SystemVariables.h"
#include "support/LoopLeftEmpty.h"

namespace parlevox {
namespace {

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

struct Lines final : CommandOutput {
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override { lines.clear(); }
    std::vector<std::string> lines;
};

CVariable Ints(std::vector<int32_t> values) {
    CVariable v;
    for (int32_t n : values) v.Append(VariableComponent::Int(n));
    return v;
}

class FakeRunner final : public ReactionRunner {
public:
    explicit FakeRunner(SystemVariables& variables) : variables_(variables) {}
    ReactionWindow CurrentWindow() override { return {window, "#here"}; }
    std::optional<CVariable> CallFunction(const std::string& name, ReactionWindow&) override {
        calls.push_back(name);
        handledSeen.push_back(variables_.Read(SystemVariables::Number("iSysHandled"))->Component(0).number);
        if (onCall) onCall(name);
        auto it = results.find(name);
        if (it == results.end()) return std::nullopt;
        return it->second;
    }
    void RunCommandLine(const std::string& line, ReactionWindow& target) override {
        commandLines.push_back(line);
        target.output.AddLine("sent");
        if (onCommand) onCommand(line);
    }

    Lines window;
    std::map<std::string, std::optional<CVariable>> results;
    std::vector<std::string> calls, commandLines;
    std::vector<int32_t> handledSeen;
    std::function<void(const std::string&)> onCall, onCommand;

private:
    SystemVariables& variables_;
};

// After the reactions: what the default handling of the event sees.
class LaterWindow final : public EventHandlerWindow {
public:
    using EventHandlerWindow::EventHandlerWindow;
    void OnEvent(CIRCMessage& message, uint32_t) override {
        handled.push_back(message.handled);
        texts.push_back(message.text);
    }
    std::vector<int32_t> handled;
    std::vector<std::string> texts;
};

CReaction ReactionFor(uint32_t type, std::string action, int32_t owner = 1) {
    CReaction r;
    r.eventSelector = type;
    r.action = std::move(action);
    r.owner = owner;
    return r;
}

class ReactionListTest : public ::testing::Test {
protected:
    ReactionListTest() {
        later.Register(kPRIVMSG, priority::kWindow);
        reactions.RegisterAll();
    }
    void Deliver(const std::string& line) {
        ParseOptions options;
        auto message = ParseIRCLine(line, options).message;
        ASSERT_TRUE(message) << line;
        notifyList.Dispatch(std::move(message));
    }
    int32_t HandledVariable() { return variables.Read(SystemVariables::Number("iSysHandled"))->Component(0).number; }

    static constexpr const char* kPrivate = ":bob!b@bob.example PRIVMSG me :hello";

    PollEventLoop loop;
    test::LoopLeftEmpty loopCheck{loop};
    CIRCNotifyList notifyList{loop};
    NoStatus status;
    ConnectionState state;
    CNetworkWnd network{loop, state, status, notifyList, nullptr};
    SystemVariables variables{state};
    FakeRunner runner{variables};
    CReactionList reactions{loop, network.Handle(), variables, runner};
    LaterWindow later{loop, network.Handle()};
};

TEST_F(ReactionListTest, OnlyAPairOfIntegersSteersTheEvent) {
    struct Case {
        const char* name;
        std::optional<CVariable> result;
        bool passesOn;
        int32_t handled;
    };
    CVariable textPair = Ints({0, 1});
    textPair.Component(0) = VariableComponent::String("0");
    const Case cases[] = {
        {"<1,1>", Ints({1, 1}), true, 1},
        {"<1,0>", Ints({1, 0}), true, 0},
        {"<0,0>", Ints({0, 0}), false, 0},
        {"<0,1>", Ints({0, 1}), false, 1},
        {"<\"0\",1>", textPair, true, 0},
        {"<0,0,0>", Ints({0, 0, 0}), true, 0},
        {"<0>", Ints({0}), true, 0},
        {"empty value", CVariable(), true, 0},
        {"no such function", std::nullopt, true, 0},
    };
    // Equal priorities: the list's order.
    reactions.Add(ReactionFor(kPrivateMessage, "First"));
    reactions.Add(ReactionFor(kPrivateMessage, "Second"));
    for (const Case& c : cases) {
        runner.calls.clear();
        runner.handledSeen.clear();
        later.handled.clear();
        runner.results["First"] = c.result;
        Deliver(kPrivate);
        if (c.passesOn) {
            EXPECT_EQ(runner.handledSeen, (std::vector<int32_t>{0, c.handled})) << c.name;
            EXPECT_EQ(later.handled, std::vector<int32_t>{c.handled}) << c.name;
        } else {
            EXPECT_EQ(runner.calls, std::vector<std::string>{"First"}) << c.name;
            EXPECT_TRUE(later.handled.empty()) << c.name;
        }
        EXPECT_EQ(HandledVariable(), c.handled) << c.name;
    }
}

TEST_F(ReactionListTest, DisabledReactionDoesNotRunAndTheEventPassesOn) {
    reactions.Add(ReactionFor(kPrivateMessage, "Stop"));
    runner.results["Stop"] = Ints({0, 1});
    reactions.SetEnabled(0, false);
    Deliver(kPrivate);
    EXPECT_TRUE(runner.calls.empty());
    EXPECT_EQ(later.handled, std::vector<int32_t>{0});
    reactions.SetEnabled(0, true);
    Deliver(kPrivate);
    EXPECT_EQ(runner.calls.size(), 1u);
}

TEST_F(ReactionListTest, CommandLineIsSentWithThePrefixAndTheEventPassesOn) {
    std::array<int, ColourCodes::kSlots> values{};
    values[colour::kInformation] = 7;
    values[colour::kProblem] = 4;
    reactions.SetColours(ColourCodes(values));
    reactions.Add(ReactionFor(kPrivateMessage, "/msg $sSysSenderNick hi"));
    Deliver(kPrivate);
    EXPECT_EQ(runner.commandLines, std::vector<std::string>{"/msg $sSysSenderNick hi"});
    EXPECT_EQ(runner.window.lines, std::vector<std::string>{"\x03\x03" "4[\x03" "7Reaction\x03" "4]\x03" "7 sent"});
    EXPECT_EQ(later.handled, std::vector<int32_t>{0});
    // The event's fields were published before the line ran.
    EXPECT_EQ(variables.GetString("sSysSenderNick"), "bob");
}

TEST_F(ReactionListTest, FunctionsTextChangeReachesLaterHandlers) {
    reactions.Add(ReactionFor(kPrivateMessage, "Rewrite"));
    runner.onCall = [&](const std::string&) { variables.SetString("sSysText", "rewritten"); };
    Deliver(kPrivate);
    EXPECT_EQ(later.texts, std::vector<std::string>{"rewritten"});
}

TEST_F(ReactionListTest, SenderMaskFiltersAndAnEmptyMaskLetsNobodyThrough) {
    CReaction masked = ReactionFor(kPRIVMSG, "Masked");
    masked.filterFlags = CReaction::kFilterSender;
    masked.senderMask = "bob!*@*.example";
    CReaction empty = masked;
    empty.action = "Empty";
    empty.senderMask.clear();
    reactions.Add(masked);
    reactions.Add(empty);
    Deliver(kPrivate);
    Deliver(":carol!c@bob.example PRIVMSG me :hello");
    EXPECT_EQ(runner.calls, std::vector<std::string>{"Masked"});
}

TEST_F(ReactionListTest, ReRegisteringLeavesOneHookPerReaction) {
    reactions.Add(ReactionFor(kPrivateMessage, "Once"));
    reactions.RegisterAll();
    reactions.RegisterAll();
    Deliver(kPrivate);
    EXPECT_EQ(runner.calls.size(), 1u);
    EXPECT_EQ(notifyList.HandlerCount(), 2u) << "the window's hook and the reaction's";
}

// A command whose effect is an event of the kind the reaction waits for
// (here dispatched at once, as the client does for events it makes itself).
TEST_F(ReactionListTest, ReactionDoesNotRetriggerItselfWhileItRuns) {
    reactions.Add(ReactionFor(kPrivateMessage, "/say again"));
    int depth = 0;
    runner.onCommand = [&](const std::string&) {
        if (++depth > 3) return;  // without the guard this would recurse for ever
        Deliver(kPrivate);
    };
    Deliver(kPrivate);
    EXPECT_EQ(runner.commandLines.size(), 1u);
    // The inner event skipped the reaction but still reached the window.
    EXPECT_EQ(later.handled.size(), 2u);
    Deliver(kPrivate);
    EXPECT_EQ(runner.commandLines.size(), 2u) << "the reaction runs again once it is done";
}

TEST_F(ReactionListTest, LoadKeepsTheReadableEntriesAndSaysWhenSomeWereLost) {
    std::vector<std::string> stored = {ReactionFor(kPrivateMessage, "A").ToText(), "",
                                       ReactionFor(kNotice, "B").ToText(), "not a reaction"};
    EXPECT_EQ(reactions.Load(stored), std::string(texts::kReactionsLost));
    EXPECT_EQ(reactions.Texts(), (std::vector<std::string>{stored[0], stored[2]}));
    EXPECT_EQ(reactions.Load({stored[2]}), std::nullopt);
    EXPECT_EQ(notifyList.HandlerCount(), 2u);
    Deliver(kPrivate);
    EXPECT_TRUE(runner.calls.empty()) << "the replaced list's hooks are gone";
}

TEST_F(ReactionListTest, ModuleReactionsInstallGatherAndLeave) {
    CScriptModule module(0x55, "Tools", "", "");
    CReaction own = ReactionFor(kPrivateMessage, "ToolsReact", 0x999);
    module.Reactions() = {own.ToText(), "broken"};
    reactions.Add(ReactionFor(kNotice, "UserReact", 1));

    EXPECT_EQ(reactions.Install(module), 1u);
    ASSERT_EQ(reactions.Reactions().size(), 2u);
    EXPECT_EQ(reactions.Reactions()[1].owner, 0x55);
    Deliver(kPrivate);
    EXPECT_EQ(runner.calls, std::vector<std::string>{"ToolsReact"});

    CScriptModule saved(0x55, "Tools", "", "");
    reactions.Gather(saved);
    own.owner = 0x55;
    EXPECT_EQ(saved.Reactions(), std::vector<std::string>{own.ToText()});

    auto names = [](int32_t id) -> std::optional<std::string> {
        return id == 0x55 ? std::optional<std::string>("Tools") : std::nullopt;
    };
    EXPECT_EQ(reactions.DisplayLine(1, names).rfind("Yes\tTools ToolsReact 00010101 ", 0), 0u);
    reactions.SetEnabled(0, false);
    EXPECT_EQ(reactions.DisplayLine(0, names).rfind("No\t<invalid> UserReact ", 0), 0u);

    reactions.RemoveOwnedBy(0x55);
    EXPECT_EQ(reactions.Reactions().size(), 1u);
    Deliver(kPrivate);
    EXPECT_EQ(runner.calls.size(), 1u) << "the module's hook went with it";
}

}  // namespace
}  // namespace parlevox
