#include "settings/OptionsRecord.h"

#include <climits>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "common/TextHelpers.h"
#include "platform/MachineUserName.h"
#include "irc/LogonSettings.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;
using Value = std::variant<int, std::string>;

constexpr const char* kRoot = "Software\\quornwright\\Parlevox\\";

// One stored value of the table: a value unlike its default, the default,
// where it lands in the record, and whether Save writes it.
struct Row {
    std::string section;
    std::string name;
    Value stored;
    Value defaultValue;
    std::function<Value(const OptionsRecord&)> field;
    bool savedBySave = true;
};

std::vector<Row> Table() {
    using R = const OptionsRecord&;
    std::vector<Row> rows = {
        {"Positions", "Left", 33, 10, [](R r) -> Value { return r.positions.left; }, false},
        {"Positions", "Top", -4, 10, [](R r) -> Value { return r.positions.top; }, false},
        {"Positions", "Width", 800, 600, [](R r) -> Value { return r.positions.width; }, false},
        {"Positions", "Height", 500, 400, [](R r) -> Value { return r.positions.height; }, false},
        {"Positions", "Maximised", 1, 0, [](R r) -> Value { return r.positions.maximised; }, false},
        {"misc", "Loading time", 2345, 10000, [](R r) -> Value { return r.loadingTimeMs; }, false},
        {"Misc", "Logging", 1, 0, [](R r) -> Value { return r.misc.logging; }, false},
        {"Misc", "Double-click command", "/whois %"s, "/query %"s,
         [](R r) -> Value { return r.misc.doubleClickCommand; }},
        {"Misc", "Synth italics", 1, 0, [](R r) -> Value { return r.misc.synthItalics; }},
        {"Misc", "Stop border flicker", 1, 0, [](R r) -> Value { return r.misc.stopBorderFlicker; }},
        {"Misc", "Non-minimised red", 1, 0, [](R r) -> Value { return r.misc.nonMinimisedRed; }},
        {"Misc", "Smooth scroll", 1, 0, [](R r) -> Value { return r.misc.smoothScroll; }},
        {"Misc", "Strip colours", 1, 0, [](R r) -> Value { return r.misc.stripColours; }},
        {"Misc", "Show notify people", 1, 0, [](R r) -> Value { return r.misc.showNotifyPeople; }},
        {"Misc", "Hide MOTDs", 1, 0, [](R r) -> Value { return r.misc.hideMotds; }},
        {"Misc", "MUCK support", 1, 0, [](R r) -> Value { return r.misc.muckSupport; }},
        {"Misc", "liosalfar fudge", 17, 255, [](R r) -> Value { return r.misc.liosalfarFudge; }, false},
        {"Servers", "Latitude", 515, 0, [](R r) -> Value { return static_cast<int>(std::lround(r.latitude * 10)); }},
        {"Servers", "Longitude", -1, 0, [](R r) -> Value { return static_cast<int>(std::lround(r.longitude * 10)); }},
        {"Your info", "Tagline", "tag"s, ""s, [](R r) -> Value { return r.yourInfo.tagline; }},
        {"Your info", "Real name", "Ann"s, ""s, [](R r) -> Value { return r.yourInfo.realName; }},
        {"Your info", "Email", "a@b"s, ""s, [](R r) -> Value { return r.yourInfo.email; }},
        {"Your info", "Age", "33"s, ""s, [](R r) -> Value { return r.yourInfo.age; }},
        {"Your info", "Sex", "f"s, ""s, [](R r) -> Value { return r.yourInfo.sex; }},
        {"Your info", "Location", "Leeds"s, ""s, [](R r) -> Value { return r.yourInfo.location; }},
        {"Your info", "Description", "hi"s, ""s, [](R r) -> Value { return r.yourInfo.description; }},
        {"Your info", "Username", "ann"s, MachineUserName(), [](R r) -> Value { return r.yourInfo.userName; }},
        {"Your info", "Quit message", "bye"s, "Parlevox IRC client: https://parlevox.example/"s,
         [](R r) -> Value { return r.yourInfo.quitMessage; }},
        {"Your info", "Pic 1 X rating", 1, 0, [](R r) -> Value { return r.yourInfo.pic1XRated; }},
        {"Your info", "Pic 2 X rating", 1, 0, [](R r) -> Value { return r.yourInfo.pic2XRated; }},
        {"Colours", "Highlight", "ann"s, ""s, [](R r) -> Value { return r.colours.highlight; }},
        {"Colours", "Font size", 9, 12, [](R r) -> Value { return r.colours.fontSize; }},
        {"Colours", "Font name", "Arial"s, "Fixedsys"s, [](R r) -> Value { return r.colours.fontName; }},
        {"Censorship", "Show X-rated pics", 1, 0, [](R r) -> Value { return r.censorship.showXRatedPics; }},
        {"Censorship", "Skip X-rated channels", 0, 1, [](R r) -> Value { return r.censorship.skipXRatedChannels; }},
    };
    for (int i = 0; i < 3; ++i) {
        std::string n = std::to_string(i + 1);
        rows.push_back({"Nicknames", "Name" + n, "nick" + n, ""s, [i](R r) -> Value { return r.nicknames[i].name; }});
        rows.push_back(
            {"Nicknames", "Password" + n, "pw" + n, ""s, [i](R r) -> Value { return r.nicknames[i].password; }});
        rows.push_back({"Servers", "Server" + n, "irc" + n, ""s, [i](R r) -> Value { return r.servers[i].host; }});
        rows.push_back({"Servers", "Port" + n, 6660 + i, 0, [i](R r) -> Value { return r.servers[i].port; }});
    }
    // A fresh store reads as the installer's colours, never as white on white.
    constexpr int kShippedColours[16] = {1, 5, 9, 3, 2, 2, 3, 3, 3, 4, 12, 14, 1, 1, 4, 4};
    for (int i = 0; i < 16; ++i)
        rows.push_back({"Colours", "Colour" + std::to_string(i + 1), 0x10101 * (i + 1), kShippedColours[i],
                        [i](R r) -> Value { return r.colours.values[i]; }});
    return rows;
}

// Lists: the first entry of each, field by field.
std::vector<Row> ListRows() {
    using R = const OptionsRecord&;
    auto channel = [](R r) -> const ChannelSetting& { return r.channels.at(0); };
    return {
        {"Channels", "00000000Name", "#c"s, ""s, [=](R r) -> Value { return channel(r).name; }},
        {"Channels", "00000000Password", "key"s, ""s, [=](R r) -> Value { return channel(r).password; }},
        {"Channels", "00000000Logging", 1, 0, [=](R r) -> Value { return channel(r).logging; }},
        {"Channels", "00000000PositionLeft", 1, 0, [=](R r) -> Value { return channel(r).left; }},
        {"Channels", "00000000PositionTop", 2, 0, [=](R r) -> Value { return channel(r).top; }},
        {"Channels", "00000000PositionRight", 3, 0, [=](R r) -> Value { return channel(r).right; }},
        {"Channels", "00000000PositionBottom", 4, 0, [=](R r) -> Value { return channel(r).bottom; }},
        {"Favourites", "00000000Channel", "#f"s, ""s, [](R r) -> Value { return r.favourites.at(0).channel; }},
        {"Favourites", "00000000Topic", "t"s, ""s, [](R r) -> Value { return r.favourites.at(0).topic; }},
        {"Favourites", "00000000AutoJoin", 1, 0, [](R r) -> Value { return r.favourites.at(0).autoJoin; }},
        {"Friends", "00000000Nickname", "bob"s, ""s, [](R r) -> Value { return r.friends.at(0).nickname; }},
        {"Friends", "00000000Mask", "*!*@b"s, ""s, [](R r) -> Value { return r.friends.at(0).mask; }},
        {"Friends", "00000000Level", 5, 0, [](R r) -> Value { return r.friends.at(0).level; }},
    };
}

void Store(Registry& registry, const std::string& section, const std::string& name, const Value& value) {
    if (const int* number = std::get_if<int>(&value))
        registry.WriteProfileInt(section, name, *number);
    else
        registry.WriteProfileString(section, name, std::get<std::string>(value));
}

std::optional<Value> Stored(const Registry& registry, const std::string& section, const std::string& name) {
    std::optional<RegistryValue> value = registry.GetValue(kRoot + section, name);
    if (!value) return std::nullopt;
    if (auto number = value->AsDword()) return static_cast<int>(*number);
    return value->data;
}

void Fill(Registry& registry) {
    // Names in another case than the table's: the store ignores case.
    for (const Row& row : Table()) Store(registry, ToUpper(row.section), ToLower(row.name), row.stored);
    for (const char* list : {"Channels", "Favourites", "Friends"}) registry.WriteProfileInt(list, "COUNT", 1);
    for (const Row& row : ListRows()) Store(registry, row.section, ToLower(row.name), row.stored);
}

TEST(OptionsRecordTest, AFreshUserGetsEveryDefault) {
    Registry empty;
    OptionsRecord record;
    record.Load(empty);
    for (const Row& row : Table()) EXPECT_EQ(row.field(record), row.defaultValue) << row.section << "/" << row.name;
    EXPECT_TRUE(record.channels.empty() && record.favourites.empty() && record.friends.empty());
    EXPECT_FALSE(empty.Modified());
}

TEST(OptionsRecordTest, StoredValuesLoadIntoTheirFields) {
    Registry registry;
    Fill(registry);
    OptionsRecord record;
    record.Load(registry);
    for (const Row& row : Table()) EXPECT_EQ(row.field(record), row.stored) << row.section << "/" << row.name;
    for (const Row& row : ListRows()) EXPECT_EQ(row.field(record), row.stored) << row.section << "/" << row.name;

    const std::string before = registry.ExportText();
    record.Save(registry);
    EXPECT_EQ(registry.ExportText(), before) << "saving what was loaded changes nothing";
}

TEST(OptionsRecordTest, SaveWritesWhatTheRecordOwnsAndNothingElse) {
    Registry source;
    Fill(source);
    OptionsRecord record;
    record.Load(source);

    Registry target;
    record.Save(target);
    for (const Row& row : Table()) {
        std::optional<Value> written = Stored(target, row.section, row.name);
        if (row.savedBySave)
            EXPECT_EQ(written, row.stored) << row.section << "/" << row.name;
        else
            EXPECT_FALSE(written) << row.section << "/" << row.name << " is not the record's to save";
    }
    for (const Row& row : ListRows()) EXPECT_EQ(Stored(target, row.section, row.name), row.stored) << row.name;

    record.SavePositions(target);
    for (const char* name : {"Left", "Top", "Width", "Height", "Maximised"})
        EXPECT_TRUE(Stored(target, "Positions", name)) << name;
    OptionsRecord::SaveLoadingTime(target, 777);
    EXPECT_EQ(Stored(target, "misc", "Loading time"), Value(777));
}

TEST(OptionsRecordTest, DegreesAreKeptInTenths) {
    struct Case {
        double degrees;
        int tenths;
    } cases[] = {
        {51.5, 515}, {-0.15, -1}, {0.0, 0}, {-51.5, -515}, {179.99, 1799}, {-180.0, -1800},
        {std::nan(""), 0}, {1e300, INT_MAX}, {-1e300, INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(OptionsRecord::ToTenths(c.degrees), c.tenths) << c.degrees;
    EXPECT_DOUBLE_EQ(OptionsRecord::FromTenths(515), 51.5);

    Registry registry;
    OptionsRecord record;
    record.latitude = 51.5;
    record.longitude = -0.15;
    record.Save(registry);
    EXPECT_EQ(registry.GetProfileInt("Servers", "Latitude", 0), 515);
    EXPECT_EQ(registry.GetProfileInt("Servers", "Longitude", 0), -1);
    record.Load(registry);
    EXPECT_DOUBLE_EQ(record.latitude, 51.5);
    EXPECT_DOUBLE_EQ(record.longitude, -0.1);
    // Every stored position comes back unchanged through a load and a save.
    for (int tenths = -1800; tenths <= 1800; ++tenths)
        ASSERT_EQ(OptionsRecord::ToTenths(OptionsRecord::FromTenths(tenths)), tenths);
}

TEST(OptionsRecordTest, DerivedDefaultsReplaceEmptyValuesAndAreSaved) {
    struct Case {
        const char* section;
        const char* name;
        std::optional<std::string> stored;
        std::string loaded;
    } cases[] = {
        {"Your info", "Username", "", MachineUserName()},
        {"Your info", "Username", std::nullopt, MachineUserName()},
        {"Your info", "Username", "ann", "ann"},
        {"Your info", "Quit message", "", "Parlevox IRC client: https://parlevox.example/"},
        {"Your info", "Quit message", "bye", "bye"},
        {"Misc", "Double-click command", "", "/query %"},
        {"misc", "Double-click command", std::nullopt, "/query %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.stored ? " = \"" + *c.stored + "\"" : " missing"));
        Registry registry;
        if (c.stored) registry.WriteProfileString(c.section, c.name, *c.stored);
        OptionsRecord record;
        record.Load(registry);
        record.Save(registry);
        EXPECT_EQ(registry.GetProfileString(c.section, c.name, c.loaded), c.loaded);
        OptionsRecord again;
        again.Load(registry);
        EXPECT_EQ(again, record);
    }
    ASSERT_FALSE(MachineUserName().empty());
}

TEST(OptionsRecordTest, EveryByteStringSurvivesTheFile) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    OptionsRecord record;
    record.yourInfo.description = every;
    record.yourInfo.quitMessage = "say \"bye\"\r\n\\";
    record.nicknames[1].password = "\0\0x"s;
    record.colours.highlight = every + every;
    record.channels = {{"#\xe9t\xe9", "\x01\x02", true, -1, -2, INT_MAX, INT_MIN}};
    record.friends = {{"a\"b", "\\\\", -7}};

    test::TempDir dir;
    Registry saved;
    saved.Load(dir.File("options.reg"));
    record.Save(saved);
    ASSERT_TRUE(saved.Save());
    Registry loaded;
    ASSERT_TRUE(loaded.Load(dir.File("options.reg")));
    OptionsRecord back;
    back.Load(loaded);
    record.yourInfo.userName = MachineUserName();  // derived on load
    EXPECT_EQ(back, record);
}

}  // namespace
}  // namespace parlevox
