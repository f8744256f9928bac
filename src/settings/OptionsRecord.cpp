#include "settings/OptionsRecord.h"

#include <cmath>
#include <limits>

#include "platform/MachineUserName.h"
#include "settings/SettingsSection.h"

namespace parlevox {
namespace {

// Values the client reads but never writes.
enum class Access { ReadWrite, ReadOnly };

// Each value of the record is named once, in the Bind functions below; the
// loader and the saver walk the same names.
class Loader {
public:
    explicit Loader(Registry& registry) : registry_(registry) {}

    void Int(std::string_view section, std::string_view name, int& value, int defaultValue,
             Access = Access::ReadWrite) {
        value = At(section).ReadInt(name, defaultValue);
    }
    void Bool(std::string_view section, std::string_view name, bool& value, bool defaultValue,
              Access = Access::ReadWrite) {
        value = At(section).ReadBool(name, defaultValue);
    }
    void Text(std::string_view section, std::string_view name, std::string& value,
              std::string_view defaultValue = {}) {
        value = At(section).ReadText(name, defaultValue);
    }
    // A missing or empty value gives the derived one.
    void Derived(std::string_view section, std::string_view name, std::string& value, std::string_view derived) {
        value = At(section).ReadText(name);
        if (value.empty()) value = derived;
    }
    void Tenths(std::string_view section, std::string_view name, double& value) {
        value = OptionsRecord::FromTenths(At(section).ReadInt(name, 0));
    }
    template <typename Entry, size_t N>
    void List(const SettingsList<Entry>& list, std::array<Entry, N>& slots) {
        std::vector<Entry> loaded = list.Load(registry_);
        for (size_t i = 0; i < N && i < loaded.size(); ++i) slots[i] = std::move(loaded[i]);
    }
    template <typename Entry>
    void List(const SettingsList<Entry>& list, std::vector<Entry>& entries) {
        entries = list.Load(registry_);
    }

private:
    SettingsSection At(std::string_view section) { return SettingsSection(registry_, section); }

    Registry& registry_;
};

class Saver {
public:
    explicit Saver(Registry& registry) : registry_(registry) {}

    void Int(std::string_view section, std::string_view name, int value, int defaultValue,
             Access access = Access::ReadWrite) {
        if (access == Access::ReadWrite) At(section).WriteInt(name, value, defaultValue);
    }
    void Bool(std::string_view section, std::string_view name, bool value, bool defaultValue,
              Access access = Access::ReadWrite) {
        if (access == Access::ReadWrite) At(section).WriteBool(name, value, defaultValue);
    }
    void Text(std::string_view section, std::string_view name, const std::string& value,
              std::string_view defaultValue = {}) {
        At(section).WriteText(name, value, defaultValue);
    }
    // A missing value already loads as the derived one; a stored empty one
    // is replaced.
    void Derived(std::string_view section, std::string_view name, const std::string& value,
                 std::string_view derived) {
        At(section).WriteText(name, value, derived);
    }
    void Tenths(std::string_view section, std::string_view name, double value) {
        At(section).WriteInt(name, OptionsRecord::ToTenths(value), 0);
    }
    template <typename Entry, size_t N>
    void List(const SettingsList<Entry>& list, const std::array<Entry, N>& slots) {
        list.Save(registry_, std::vector<Entry>(slots.begin(), slots.end()));
    }
    template <typename Entry>
    void List(const SettingsList<Entry>& list, const std::vector<Entry>& entries) {
        list.Save(registry_, entries);
    }

private:
    SettingsSection At(std::string_view section) { return SettingsSection(registry_, section); }

    Registry& registry_;
};

template <typename Record, typename Binder>
void BindPositions(Record& r, Binder& b) {
    b.Int("Positions", "Left", r.positions.left, 10);
    b.Int("Positions", "Top", r.positions.top, 10);
    b.Int("Positions", "Width", r.positions.width, 600);
    b.Int("Positions", "Height", r.positions.height, 400);
    b.Bool("Positions", "Maximised", r.positions.maximised, false);
}

template <typename Record, typename Binder>
void BindMisc(Record& r, Binder& b) {
    b.Bool("Misc", "Logging", r.misc.logging, false, Access::ReadOnly);
    b.Derived("Misc", "Double-click command", r.misc.doubleClickCommand, OptionsRecord::kDefaultDoubleClickCommand);
    b.Bool("Misc", "Synth italics", r.misc.synthItalics, false);
    b.Bool("Misc", "Stop border flicker", r.misc.stopBorderFlicker, false);
    b.Bool("Misc", "Non-minimised red", r.misc.nonMinimisedRed, false);
    b.Bool("Misc", "Smooth scroll", r.misc.smoothScroll, false);
    b.Bool("Misc", "Strip colours", r.misc.stripColours, false);
    b.Bool("Misc", "Show notify people", r.misc.showNotifyPeople, false);
    b.Bool("Misc", "Hide MOTDs", r.misc.hideMotds, false);
    b.Bool("Misc", "MUCK support", r.misc.muckSupport, false);
    b.Derived("Misc", "Services host", r.misc.servicesHost, OptionsRecord::kDefaultServicesHost);
    b.Derived("Misc", "ChanServ mask", r.misc.chanServMask, OptionsRecord::kDefaultChanServMask);
    b.Derived("Misc", "NickServ mask", r.misc.nickServMask, OptionsRecord::kDefaultNickServMask);
    b.Int("Misc", "liosalfar fudge", r.misc.liosalfarFudge, 255, Access::ReadOnly);
    b.Int("Misc", "Ident port", r.misc.identPort, OptionsRecord::kDefaultIdentPort);
}

template <typename Record, typename Binder>
void BindServers(Record& r, Binder& b) {
    b.List(NicknameList(), r.nicknames);
    b.List(ServerList(), r.servers);
    b.Tenths("Servers", "Latitude", r.latitude);
    b.Tenths("Servers", "Longitude", r.longitude);
}

template <typename Record, typename Binder>
void BindYourInfo(Record& r, Binder& b) {
    b.Text("Your info", "Tagline", r.yourInfo.tagline);
    b.Text("Your info", "Real name", r.yourInfo.realName);
    b.Text("Your info", "Email", r.yourInfo.email);
    b.Text("Your info", "Age", r.yourInfo.age);
    b.Text("Your info", "Sex", r.yourInfo.sex);
    b.Text("Your info", "Location", r.yourInfo.location);
    b.Text("Your info", "Description", r.yourInfo.description);
    b.Derived("Your info", "Username", r.yourInfo.userName, MachineUserName());
    b.Derived("Your info", "Quit message", r.yourInfo.quitMessage, OptionsRecord::kDefaultQuitMessage);
    b.Bool("Your info", "Pic 1 X rating", r.yourInfo.pic1XRated, false);
    b.Bool("Your info", "Pic 2 X rating", r.yourInfo.pic2XRated, false);
}

template <typename Record, typename Binder>
void BindColours(Record& r, Binder& b) {
    static const OptionsRecord::Colours kShipped;
    for (int i = 0; i < OptionsRecord::Colours::kSlots; ++i)
        b.Int("Colours", ListValueName(ListIndex::OneBasedSuffix, i, "Colour"), r.colours.values[i],
              kShipped.values[static_cast<size_t>(i)]);
    b.Text("Colours", "Highlight", r.colours.highlight);
    b.Int("Colours", "Font size", r.colours.fontSize, 12);
    b.Text("Colours", "Font name", r.colours.fontName, "Fixedsys");
    b.Bool("Censorship", "Show X-rated pics", r.censorship.showXRatedPics, false);
    b.Bool("Censorship", "Skip X-rated channels", r.censorship.skipXRatedChannels, true);
}

// Everything Save writes.
template <typename Record, typename Binder>
void BindOwned(Record& r, Binder& b) {
    BindMisc(r, b);
    BindServers(r, b);
    BindYourInfo(r, b);
    BindColours(r, b);
    b.List(ChannelList(), r.channels);
    b.List(FavouriteList(), r.favourites);
    b.List(FriendList(), r.friends);
}

constexpr const char* kLoadingTimeSection = "misc";
constexpr const char* kLoadingTimeName = "Loading time";

}  // namespace

void OptionsRecord::Load(Registry& registry) {
    *this = OptionsRecord();
    Loader loader(registry);
    BindPositions(*this, loader);
    loader.Int(kLoadingTimeSection, kLoadingTimeName, loadingTimeMs, kDefaultLoadingTimeMs);
    BindOwned(*this, loader);
}

void OptionsRecord::Save(Registry& registry) const {
    Saver saver(registry);
    BindOwned(*this, saver);
}

void OptionsRecord::SavePositions(Registry& registry) const {
    Saver saver(registry);
    BindPositions(*this, saver);
}

void OptionsRecord::SaveLoadingTime(Registry& registry, int milliseconds) {
    SettingsSection(registry, kLoadingTimeSection).WriteInt(kLoadingTimeName, milliseconds, kDefaultLoadingTimeMs);
}

int OptionsRecord::ToTenths(double degrees) {
    double tenths = degrees * 10;
    if (!std::isfinite(tenths)) return 0;
    if (tenths >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (tenths <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(tenths);  // toward zero
}

double OptionsRecord::FromTenths(int tenths) {
    return tenths * 0.1;
}

NetworkSettings OptionsRecord::Network() const {
    NetworkSettings settings;
    settings.logon = {nicknames[0].name, yourInfo.userName, yourInfo.tagline};
    settings.colours = ColourSlots();
    settings.stripColours = misc.stripColours;
    settings.logging = misc.logging;
    const bool identPortUsable = misc.identPort >= 1 && misc.identPort <= 65535;
    settings.identPort = static_cast<uint16_t>(identPortUsable ? misc.identPort : kDefaultIdentPort);
    return settings;
}

}  // namespace parlevox
