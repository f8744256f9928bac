#pragma once
// A new user (no first nickname yet) is asked two questions, offered the
// tutorial, and led through the "Initial configuration" wizard; what the
// wizard gathers goes into the options record.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"
#include "platform/UserInterface.h"
#include "settings/OptionLists.h"
#include "settings/OptionsRecord.h"
#include "settings/ServerList.h"

namespace parlevox {

enum class Continent { America, Europe };

// What the wizard's pages gather.
struct InitialConfiguration {
    // [0] is the nickname chosen on the second page; the details page
    // edits all three with their passwords.
    std::array<NicknameSlot, kNicknameSlots> nicknames;
    Continent continent = Continent::America;
    // A network picked from the server directory instead of a continent.
    std::optional<ServerListEntry> network;
    bool detailsEntered = false;  // "Yes, let me enter the details"
    struct Channel {
        std::string name;
        std::string password;
    };
    std::vector<Channel> channels;
};

// The wizard as the front end shows it.
class FirstRunWizard {
public:
    virtual ~FirstRunWizard() = default;
    // Starts from `start`; nothing when the person cancels.
    virtual std::optional<InitialConfiguration> Run(const InitialConfiguration& start) = 0;
};

class FirstRun {
public:
    // A nick is one word on the wire, and networks cut nicknames at 30
    // characters at most, so the field takes no more.
    static constexpr size_t kMaxNicknameLength = 30;
    static constexpr int kServerPort = 7000;
    // The default network's round-robin names, one per continent.
    static constexpr const char* kAmericaServers = "us.dal.net";
    static constexpr const char* kEuropeServers = "eu.dal.net";

    static bool IsDue(const OptionsRecord& options) { return options.nicknames[0].name.empty(); }

    // The questions, the tutorial and the wizard. True when the options
    // took the wizard's values (the caller saves them and hands them on);
    // false when the wizard was cancelled.
    static bool Run(UserInterface& ui, Registry& registry, FirstRunWizard& wizard, const std::string& programFolder,
                    OptionsRecord& options);

    static void Apply(const InitialConfiguration& entered, OptionsRecord& options);
    // What a nickname field keeps of what was typed: no blanks or control
    // bytes, at most kMaxNicknameLength characters.
    static std::string CleanNickname(std::string_view typed);
    static const char* ServersFor(Continent continent);

private:
    static void OfferTutorial(UserInterface& ui, const std::string& programFolder);
    static void AskIfExpert(UserInterface& ui, Registry& registry);
    static void RememberChannel(const InitialConfiguration::Channel& channel, OptionsRecord& options);
};

}  // namespace parlevox
