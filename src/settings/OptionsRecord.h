#pragma once
// The options record: nicknames, servers, personal information, colours,
// censorship and the miscellaneous switches, with the remembered channels,
// favourites and friends. Loaded once at start-up, saved whenever something
// changes it and again at shutdown.
//
// Every value missing from the store takes its default; the derived
// defaults (user name, quit message, double-click command) replace a
// missing or empty value when the record loads, and a save writes them. A
// save leaves a value alone when the store would already give it back, so
// loading and saving an unchanged record never rewrites the file.
#include <array>
#include <string>
#include <vector>

#include "irc/LogonSettings.h"
#include "platform/Registry.h"
#include "settings/OptionLists.h"

namespace parlevox {

class OptionsRecord {
public:
    static constexpr const char* kDefaultDoubleClickCommand = "/query %";
    // Where the NickServ, ChanServ and MemoServ commands send their messages.
    static constexpr const char* kDefaultServicesHost = "services.dal.net";
    // Whose private notices are the services' answers to the dialogs.
    static constexpr const char* kDefaultChanServMask = "ChanServ!service@dal.net";
    static constexpr const char* kDefaultNickServMask = "NickServ!service@dal.net";
    // "Parlevox IRC client: " and the product's web page.
    static constexpr const char* kDefaultQuitMessage = "Parlevox IRC client: https://parlevox.example/";
    static constexpr int kDefaultLoadingTimeMs = 10000;

    // Main window placement ("Positions"): written by the main frame when it
    // closes (SavePositions), not by Save.
    struct Positions {
        int left = 10;
        int top = 10;
        int width = 600;
        int height = 400;
        bool maximised = false;
        bool operator==(const Positions&) const = default;
    };

    static constexpr int kDefaultIdentPort = 113;

    struct Misc {
        bool logging = false;  // read at connection set-up; never written
        std::string doubleClickCommand = kDefaultDoubleClickCommand;
        bool synthItalics = false;
        bool stopBorderFlicker = false;
        bool nonMinimisedRed = false;
        bool smoothScroll = false;
        bool stripColours = false;
        bool showNotifyPeople = false;
        bool hideMotds = false;
        bool muckSupport = false;
        std::string servicesHost = kDefaultServicesHost;
        std::string chanServMask = kDefaultChanServMask;
        std::string nickServMask = kDefaultNickServMask;
        int liosalfarFudge = 255;  // never written
        // Where the ident responder listens; 113 needs a privilege, so users
        // who forward 113 elsewhere set the port they forward to.
        int identPort = kDefaultIdentPort;
        bool operator==(const Misc&) const = default;
    };

    struct YourInfo {
        std::string tagline;
        std::string realName;
        std::string email;
        std::string age;
        std::string sex;
        std::string location;
        std::string description;
        std::string userName;     // MachineUserName() when empty
        std::string quitMessage = kDefaultQuitMessage;
        bool pic1XRated = false;
        bool pic2XRated = false;
        bool operator==(const YourInfo&) const = default;
    };

    struct Colours {
        static constexpr int kSlots = 16;
        // "Colour1".."Colour16". A store without them has not been set up
        // by the installer; it gets the values the installer ships, since all
        // zeros would be white text on the default white background.
        std::array<int, kSlots> values = {1, 5, 9, 3, 2, 2, 3, 3, 3, 4, 12, 14, 1, 1, 4, 4};
        std::string highlight;
        int fontSize = 12;
        std::string fontName = "Fixedsys";
        bool operator==(const Colours&) const = default;
    };

    struct Censorship {
        bool showXRatedPics = false;
        bool skipXRatedChannels = true;
        bool operator==(const Censorship&) const = default;
    };

    Positions positions;
    int loadingTimeMs = kDefaultLoadingTimeMs;  // "misc"/"Loading time", written by the title screen
    Misc misc;
    std::array<NicknameSlot, kNicknameSlots> nicknames;
    std::array<ServerSlot, kServerSlots> servers;
    double latitude = 0.0;  // degrees; stored in tenths
    double longitude = 0.0;
    YourInfo yourInfo;
    Colours colours;
    Censorship censorship;
    std::vector<ChannelSetting> channels;
    std::vector<FavouriteChannel> favourites;
    std::vector<FriendEntry> friends;

    // Replaces every field with what the store holds (or the defaults).
    void Load(Registry& registry);
    // Writes everything the record owns: not "Positions", not "Loading
    // time", not the read-only values.
    void Save(Registry& registry) const;
    void SavePositions(Registry& registry) const;
    static void SaveLoadingTime(Registry& registry, int milliseconds);

    // What the layers below get of the record.
    ColourCodes ColourSlots() const { return ColourCodes(colours.values); }
    NetworkSettings Network() const;

    // Degrees kept in tenths: 51.5 -> 515, -0.15 -> -1 (toward zero).
    static int ToTenths(double degrees);
    static double FromTenths(int tenths);

    bool operator==(const OptionsRecord&) const = default;
};

}  // namespace parlevox
