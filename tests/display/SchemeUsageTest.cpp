#include "display/SchemeUsage.h"

#include <gtest/gtest.h>

namespace parlevox {
namespace {

using Kind = SchemeWindow::Kind;

TEST(SchemeUsageTest, AppliesToWindowsByKindNameAndServer) {
    struct Case {
        const char* description;
        SchemeUsage usage;
        SchemeWindow window;
        bool expected;
    } cases[] = {
        {"defaults take a channel", {}, {Kind::Channel, "#a", "irc.example.net"}, true},
        {"defaults take a window while not connected", {}, {Kind::PrivateChat, "bob", ""}, true},
        {"only other servers: channel", {.servers = {"*.other.net"}}, {Kind::Channel, "#a", "irc.example.net"}, false},
        {"only other servers: control bar", {.servers = {"*.other.net"}}, {Kind::ControlBar, "", "irc.net"}, false},
        {"server pattern", {.servers = {"x", "*.EXAMPLE.net"}}, {Kind::Channel, "#a", "irc.example.net"}, true},
        {"channel pattern", {.channels = {"#par*"}}, {Kind::Channel, "#parlevox", "s"}, true},
        {"channel pattern misses", {.channels = {"#par*"}}, {Kind::Channel, "#other", "s"}, false},
        {"control bar named", {.builtInWindows = {"CMOTDWindow", "CControlBarWnd"}}, {Kind::ControlBar, "", "s"}, true},
        {"control bar not named", {.builtInWindows = {"CMOTDWindow"}}, {Kind::ControlBar, "", "s"}, false},
        {"MOTD window", {.builtInWindows = {"cmotdwindow"}}, {Kind::MessageOfTheDay, "", "s"}, true},
        {"background", {.builtInWindows = {"CBackgroundWindow"}}, {Kind::Background, "", "s"}, true},
        {"text window by name", {.builtInWindows = {"CTextWindow:Stats"}}, {Kind::TextWindow, "Stats", "s"}, true},
        {"chat partner", {.privateChats = {"bob"}}, {Kind::PrivateChat, "Bob", "s"}, true},
        {"other chat partner", {.privateChats = {"bob"}}, {Kind::PrivateChat, "alice", "s"}, false},
        {"chat list does not take built-in windows", {.builtInWindows = {}}, {Kind::ControlBar, "", "s"}, false},
        {"a window without a kind name", {}, {Kind::Other, "status", "s"}, false},
        {"empty lists take nothing", {{}, {}, {}, {"*"}}, {Kind::Channel, "#a", "s"}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.usage.AppliesTo(c.window), c.expected) << c.description;
}

TEST(SchemeUsageTest, EditorTextSplitsAtSpaces) {
    EXPECT_EQ(SchemeUsage::WordsFromText("  #a #b  c "), (std::vector<std::string>{"#a", "#b", "c"}));
    EXPECT_TRUE(SchemeUsage::WordsFromText("   ").empty());
}

}  // namespace
}  // namespace parlevox
