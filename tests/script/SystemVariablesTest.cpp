#include "script/SystemVariables.h"

#include <optional>
#include <string>
#include <time.h>

#include <gtest/gtest.h>

#include "irc/ConnectionState.h"
#include "irc/IRCLineParser.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

const char* const kNames[] = {
    "sSysServer",      "sSysNick",        "sSysUsername",    "sSysHostname",       "iSysConnected",
    "iSysServices",    "iSysTime",        "sSysTime",        "sSysDate",           "iSysHandled",
    "sSysRawMessage",  "sSysSenderNick",  "sSysSenderUsername", "sSysSenderHostname", "sSysChannel",
    "sSysText",        "iSysNumeric",     "sSysParam1",      "sSysParam2",         "sSysParam3",
    "sSysParam4",      "sSysParam5",      "sSysParam6",      "sSysParam7",         "sSysParam8",
    "sSysParam9",      "sSysParam10",     "sSysParam11",     "sSysParam12",        "sSysParam13",
    "sSysParam14",     "sSysType",        "sSysTargetNick",  "sSysFlags",          "iSysReason",
    "sSysDCCIP",       "iSysDCCPort",     "sSysDCCFilename", "iSysDCCFilesize",    "sSysKiller",
    "sC",              "sN",              "sNorC",           "sSysSendingServer",  "sSysLocalAddress",
};

struct FixedProvider : SystemVariableProvider {
    std::string ServerName() const override { return "irc.example.net"; }
    std::string Nick() const override { return "me"; }
    std::string UserName() const override { return "user"; }
    std::string HostName() const override { return "host.example"; }
    bool Connected() const override { return true; }
    bool ServicesUp() const override { return services; }
    std::string LocalAddress() const override { return "10.0.0.2"; }
    std::time_t Now() const override { return 1000000000; }  // Sun 2001-09-09 01:46:40 UTC
    bool services = true;
};

// Single component written as text; integers as "i:<value>".
std::string Shown(SystemVariables& table, const char* name) {
    CVariable* value = table.Read(SystemVariables::Number(name));
    if (!value || value->Count() != 1) return "<none>";
    const VariableComponent& only = value->Component(0);
    return only.type == ComponentType::Int ? "i:" + std::to_string(only.number) : only.text;
}

TEST(SystemTableTest, FortyFiveNamesInOrderEachOneReadOnlyScalar) {
    ASSERT_EQ(std::size(kNames), size_t(SystemVariables::kCount));
    ConnectionState state;
    SystemVariables table(state);
    for (int32_t number = 1; number <= SystemVariables::kCount; ++number) {
        const char* name = kNames[number - 1];
        EXPECT_EQ(SystemVariables::Number(name), number) << name;
        EXPECT_EQ(SystemVariables::Name(number), name);
        EXPECT_EQ(SystemVariables::Access(number), VariableAccess::Read);
        ASSERT_NE(table.Read(number), nullptr);
        EXPECT_EQ(table.Read(number)->TypeString(), std::string(1, name[0])) << name;
    }
    for (const char* unknown : {"", "sSysnick", "iSysDCCPosition", "sNickX"})
        EXPECT_EQ(SystemVariables::Number(unknown), 0) << unknown;
    for (int32_t number : {0, -1, 46}) {
        EXPECT_EQ(table.Read(number), nullptr) << number;
        EXPECT_EQ(SystemVariables::Name(number), "") << number;
    }
}

// Local time in UTC for one test.
class SystemTableZoneTest : public testing::Test {
private:
    test::ScopedTimeZone zone_{"UTC"};
};

TEST_F(SystemTableZoneTest, OnReadEntriesAreComputedWhenRead) {
    FixedProvider provider;
    SystemVariables table(provider);
    struct Case {
        const char* name;
        const char* expected;
    } cases[] = {
        {"sSysServer", "irc.example.net"}, {"sSysNick", "me"},        {"sSysUsername", "user"},
        {"sSysHostname", "host.example"},  {"iSysConnected", "i:1"},  {"iSysServices", "i:1"},
        {"iSysTime", "i:1000000000"},      {"sSysTime", "01:46:40"},  {"sSysDate", "Sun, Sep 09 01"},
        {"sSysLocalAddress", "10.0.0.2"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shown(table, c.name), c.expected) << c.name;
    provider.services = false;
    EXPECT_EQ(Shown(table, "iSysServices"), "i:0");
}

TEST(SystemTableTest, NorCIsTheChannelElseTheNick) {
    ConnectionState state;
    SystemVariables table(state);
    table.SetString("sN", "bob");
    EXPECT_EQ(Shown(table, "sNorC"), "bob");
    table.SetString("sC", "#x");
    EXPECT_EQ(Shown(table, "sNorC"), "#x");
    EXPECT_EQ(table.GetString("sNorC"), "#x");
    table.SetString("sC", "");
    EXPECT_EQ(table.GetString("sNorC"), "bob");
}

TEST(SystemTableTest, SetAndGetByName) {
    FixedProvider provider;
    SystemVariables table(provider);
    table.SetString("sSysText", "hello");
    table.SetInt("iSysNumeric", 353);
    EXPECT_EQ(table.GetString("sSysText"), "hello");
    EXPECT_EQ(Shown(table, "iSysNumeric"), "i:353");
    EXPECT_EQ(table.GetString("sSysNick"), "me") << "on read through GetString too";

    // Wrong type or unknown name: nothing stored, nothing broken.
    table.SetString("iSysHandled", "1");
    table.SetInt("sSysText", 5);
    table.SetInt("iSysDCCPosition", 5);
    EXPECT_EQ(Shown(table, "iSysHandled"), "i:0");
    EXPECT_EQ(table.GetString("sSysText"), "hello");
    EXPECT_EQ(table.GetString("iSysHandled"), std::nullopt);
    EXPECT_EQ(table.GetString("sUnknown"), std::nullopt);
}

TEST(SystemTableTest, DefaultProviderReadsTheConnectionState) {
    ConnectionState state;
    state.connected = true;
    state.serverName = "irc.test";
    state.currentNick = "Nick1";
    state.currentUserName = "uname";
    state.localAddress = "192.0.2.7";
    SystemVariables table(state);
    EXPECT_EQ(Shown(table, "sSysServer"), "irc.test");
    EXPECT_EQ(Shown(table, "sSysNick"), "Nick1");
    EXPECT_EQ(Shown(table, "sSysUsername"), "uname");
    EXPECT_EQ(Shown(table, "iSysConnected"), "i:1");
    EXPECT_EQ(Shown(table, "sSysLocalAddress"), "192.0.2.7");
    EXPECT_EQ(Shown(table, "iSysServices"), "i:0");
    EXPECT_EQ(Shown(table, "sSysHostname"), "192.0.2.7") << "the address until the name is known";
    state.localHostName = "me.example";
    EXPECT_EQ(Shown(table, "sSysHostname"), "me.example");
    EXPECT_EQ(Shown(table, "sSysLocalAddress"), "192.0.2.7");
    state.connected = false;
    EXPECT_EQ(Shown(table, "iSysConnected"), "i:0");
}

TEST(SystemTableTest, ParsedMessagePublishesIntoTheTableAndReadsTheTextBack) {
    test::ScriptedUserInterface ui;
    ConnectionState state;
    SystemVariables table(state);
    auto message = ParseIRCLine(":a!b@c.d PRIVMSG #x :hello", {}).message;
    ASSERT_NE(message, nullptr);
    message->handled = 1;
    message->SetSystemVariables(table);
    EXPECT_EQ(table.GetString("sSysChannel"), "#x");
    EXPECT_EQ(table.GetString("sSysText"), "hello");
    EXPECT_EQ(table.GetString("sSysSenderHostname"), "c.d");
    EXPECT_EQ(table.GetString("sSysRawMessage"), ":a!b@c.d PRIVMSG #x :hello");
    EXPECT_EQ(Shown(table, "iSysHandled"), "i:1");

    table.SetString("sSysText", "changed by a reaction");
    message->ReadBackSystemVariables(table);
    EXPECT_EQ(message->text, "changed by a reaction");
}

}  // namespace
}  // namespace parlevox
