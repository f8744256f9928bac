// Script timers and event hooks in a real offline session: OnTimer, OffTimer,
// On and Off reached as scripts reach them (the built-in commands with
// typed values), calling compiled module functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandArgument.h"
#include "commands/CommandResult.h"
#include "irc/EventTypes.h"
#include "irc/IRCLineParser.h"
#include "modules/ModuleTexts.h"
#include "platform/Clock.h"
#include "support/OfflineSession.h"

namespace parlevox {
namespace {

struct Lines final : CommandOutput {
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

// After the hooks: what later handling of the event sees.
class LaterWindow final : public EventHandlerWindow {
public:
    using EventHandlerWindow::EventHandlerWindow;
    void OnEvent(CIRCMessage& message, uint32_t) override { handled.push_back(message.handled); }
    std::vector<int32_t> handled;
};

class ScriptEventsTest : public ::testing::Test, protected test::OfflineSession {
protected:
    ScriptEventsTest() {
        loop.SetTickSource([this] { return now; });
        Define("Tick<>\r\n{\r\n/echo tick\r\n}\r\n");
        Define("Broken<>\r\n  return 1 / 0;\r\n");
        Define("Pass<>\r\n{\r\n/echo pass %sSysText%\r\nreturn <1, 0>;\r\n}\r\n");
        Define("Mark<>\r\n  return <1, 1>;\r\n");
        Define("Stop<>\r\n  return <0, 0>;\r\n");
    }

    void Define(const std::string& source) {
        CScriptModule& user = *app->Modules().FindByName(module_text::kUserModuleName);
        auto function = std::make_unique<CScriptFunction>(source.substr(0, source.find('<')));
        function->SetSource(source);
        CScriptFunction& added = user.AddFunction(std::move(function));
        std::optional<CompileFailure> failure = session->Scripts().Calls().Compile(user, added);
        ASSERT_FALSE(failure) << source << ": " << failure->text;
    }

    // A script's call of a built-in command; the result of On.
    int32_t Script(const char* name, std::vector<CommandArgument> values) {
        CommandResult result;
        EXPECT_EQ(session->Commands().Call(name, values, "", said, &result), CommandProcessor::CallResult::Done)
            << name;
        return result.number;
    }

    void AdvanceTo(uint64_t offset) {
        now = start + offset;
        loop.RunOnce(0);
    }

    void Receive(const std::string& line) {
        ParseOptions options;
        auto message = ParseIRCLine(line, options).message;
        ASSERT_TRUE(message) << line;
        app->Network().NotifyList().Dispatch(std::move(message));
    }

    // Status lines that start with the text.
    size_t Count(const std::string& start) const {
        size_t n = 0;
        for (const std::string& line : statusLines) n += line.starts_with(start) ? 1 : 0;
        return n;
    }

    const uint64_t start = Clock::TickCount();
    uint64_t now = start;
    Lines said;
};

using Arg = CommandArgument;

TEST_F(ScriptEventsTest, ATimerFiresEveryIntervalUntilOffTimerInOtherLetters) {
    Script("OnTimer", {Arg::Integer(5), Arg::Text("Tick")});
    Script("OnTimer", {Arg::Integer(5), Arg::Text("Broken")});
    EXPECT_EQ(session->ScriptEvents().TimerCount(), 2u);
    AdvanceTo(4'999);
    EXPECT_EQ(Count("[/OnTimer] tick"), 0u);
    AdvanceTo(5'000);
    AdvanceTo(10'000);
    EXPECT_EQ(Count("[/OnTimer] tick"), 2u);
    // The failing function says so each time and keeps its timer.
    EXPECT_EQ(Count("[/OnTimer] [Broken] "), 2u);

    Script("OffTimer", {Arg::Text("TICK")});
    AdvanceTo(15'000);
    EXPECT_EQ(Count("[/OnTimer] tick"), 2u);
    EXPECT_EQ(Count("[/OnTimer] [Broken] "), 3u);
    EXPECT_EQ(session->ScriptEvents().TimerCount(), 1u);
    Script("OffTimer", {Arg::Text("broken")});
    EXPECT_EQ(session->ScriptEvents().TimerCount(), 0u);
    EXPECT_TRUE(said.lines.empty());
}

TEST_F(ScriptEventsTest, TimersThatCannotRunAreRefusedWithALine) {
    struct Case {
        int32_t seconds;
        const char* function;
    };
    const Case cases[] = {{0, "Tick"}, {-5, "Tick"}, {INT32_MIN, "Tick"}, {5, ""}};
    for (const Case& c : cases) {
        said.lines.clear();
        Script("OnTimer", {Arg::Integer(c.seconds), Arg::Text(c.function)});
        EXPECT_EQ(session->ScriptEvents().TimerCount(), 0u) << c.seconds;
        EXPECT_EQ(said.lines.size(), 1u) << c.seconds;
    }
    for (size_t i = 0; i < CScriptEventWindow::kMaxTimers; ++i) session->ScriptEvents().StartTimer(60, "Tick", said);
    said.lines.clear();
    EXPECT_FALSE(session->ScriptEvents().StartTimer(60, "Tick", said));
    EXPECT_EQ(said.lines.size(), 1u);
    EXPECT_EQ(session->ScriptEvents().StopTimers("tick"), CScriptEventWindow::kMaxTimers);
}

TEST_F(ScriptEventsTest, AHookFiresForTheEventsItsFiltersLetThroughUntilOff) {
    struct Case {
        const char* event;
        const char* spec;
        const char* fires;
        const char* passesBy;
    };
    const Case cases[] = {
        {"PRIVATEMESSAGE", "bob!*@*////", ":bob!b@h PRIVMSG me :hi", ":ann!a@h PRIVMSG me :hi"},
        {"channelmessage", "/#x///", ":ann!a@h PRIVMSG #x :hi", ":ann!a@h PRIVMSG #y :hi"},
        {"PrivateCtcp", "//VERSION//", ":ann!a@h PRIVMSG me :\x01VERSION\x01", ":ann!a@h PRIVMSG me :\x01TIME\x01"},
        {"SERVERNUMERIC", "///401/", ":srv 401 me nobody :No such nick", ":srv 402 me x :No such server"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        statusLines.clear();
        EXPECT_EQ(Script("On", {Arg::Text(c.event), Arg::Text(c.spec), Arg::Integer(100), Arg::Text("Pass")}), 1);
        Receive(c.fires);
        Receive(c.passesBy);
        EXPECT_EQ(Count("[/On] pass"), 1u);
        Script("Off", {Arg::Text("PASS")});
        EXPECT_EQ(session->ScriptEvents().HookCount(), 0u);
        Receive(c.fires);
        EXPECT_EQ(Count("[/On] pass"), 1u);
    }
    Script("On", {Arg::Text("PRIVMSG"), Arg::Text("////"), Arg::Integer(100), Arg::Text("Pass")});
    Receive(":bob!b@h PRIVMSG me :the text");
    EXPECT_EQ(Count("[/On] pass the text"), 1u);  // the event's fields reach the function
}

TEST_F(ScriptEventsTest, TheHookFunctionsResultSteersTheEventAsAReactionsDoes) {
    LaterWindow later(loop, app->Network().WindowHandleOf());
    later.Register(kPRIVMSG, 50);
    struct Case {
        const char* function;
        bool passesOn;
        int32_t handled;
    };
    const Case cases[] = {{"Pass", true, 0}, {"Mark", true, 1}, {"Stop", false, 0}, {"Broken", true, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        later.handled.clear();
        EXPECT_EQ(Script("On", {Arg::Text("PRIVMSG"), Arg::Text("////"), Arg::Integer(100), Arg::Text(c.function)}),
                  1);
        Receive(":bob!b@h PRIVMSG me :hello");
        EXPECT_EQ(later.handled, c.passesOn ? std::vector<int32_t>{c.handled} : std::vector<int32_t>{});
        Script("Off", {Arg::Text(c.function)});
    }
    EXPECT_EQ(Count("[/On] [Broken] "), 1u);
}

TEST_F(ScriptEventsTest, OnRegistersNothingForABadNameSpecificationOrPriority) {
    struct Case {
        std::string event;
        const char* spec;
        int32_t priority;
        int32_t result;
    };
    const Case cases[] = {
        {"NOSUCHEVENT", "////", 0, 0},
        {std::string(10 * 1024, 'P'), "////", 0, 0},
        {"SILENCE", "////", 0, 0},  // a type scripts cannot name
        {"PRIVMSG", "a/b/c", 0, 0},
        {"PRIVMSG", "", 0, 0},
        {"PRIVMSG", "////", 16'001, 0},
        {"PRIVMSG", "////", INT32_MAX, 0},
        {"privmsg", "////", 16'000, 1},
        {"PRIVMSG", "////", INT32_MIN, 1},
    };
    size_t registered = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event.substr(0, 20) + " " + c.spec + " " + std::to_string(c.priority));
        EXPECT_EQ(Script("On", {Arg::Text(c.event), Arg::Text(c.spec), Arg::Integer(c.priority), Arg::Text("Pass")}),
                  c.result);
        registered += static_cast<size_t>(c.result);
        EXPECT_EQ(session->ScriptEvents().HookCount(), registered);
    }
}

}  // namespace
}  // namespace parlevox
