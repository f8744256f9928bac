#pragma once
// What the preferences dialog and the join window show, in one place.
#include <array>

namespace parlevox::texts {

inline constexpr const char* kPreferencesTitle = "Preferences";

// The pages, in the order of the list on the left ("DCC" and "Plug-ins"
// only when the front end has DCC options and plug-ins to edit).
inline constexpr std::array<const char*, 11> kPreferencesPages = {
    "Nicknames", "Servers", "Your info", "Colours", "Schemes", "Misc", "Sounds", "Idiot list", "Friends", "DCC",
    "Plug-ins",
};

inline constexpr const char* kPlugInsHelp =
    "Script-command plug-ins add commands that scripts call and that you can type as /-commands. Uninstalling "
    "one leaves its file where it is.";

// What each colour slot paints, by slot.
inline constexpr std::array<const char*, 16> kColourSlotRoles = {
    "Ordinary text", "Notices",       "Joins",        "Parts",           "Quits and kicks", "Nicknames",
    "Nick changes",  "Topics",        "Modes",        "Net splits",      "Web addresses",   "Own messages",
    "Other",         "Information lines", "Problem reports", "Highlight words",
};

// Labels of the record's switches, as the settings name them.
inline constexpr const char* kMuckSupport = "&MUCK support";
inline constexpr const char* kDoubleClickCommand = "&Double-click command:";
inline constexpr const char* kHideMotds = "&Hide MOTDs";
inline constexpr const char* kShowNotifyPeople = "Show &notify people";
inline constexpr const char* kServicesHost = "Ser&vices host:";
inline constexpr const char* kNickServMask = "&NickServ mask:";
inline constexpr const char* kChanServMask = "C&hanServ mask:";
inline constexpr const char* kIdentPort = "&Ident port:";
inline constexpr const char* kSynthItalics = "S&ynth italics";
inline constexpr const char* kStopBorderFlicker = "Stop &border flicker";
inline constexpr const char* kNonMinimisedRed = "Non-minimised &red";
inline constexpr const char* kSmoothScroll = "Smoo&th scroll";
inline constexpr const char* kStripColours = "Strip &colours";
inline constexpr const char* kShowXRatedPics = "Show &X-rated pics";
inline constexpr const char* kSkipXRatedChannels = "Ski&p X-rated channels";

// Sounds.
inline constexpr const char* kNoSound = "(none)";
inline constexpr const char* kOwnSoundFile = "Your own sound file";
inline constexpr const char* kPlayEventSounds = "Play &event sounds";
inline constexpr const char* kPlaySoundFiles = "Play sound &files (your own and those other people send)";
inline constexpr const char* kChooseSoundFile = "Choose a sound file";
inline constexpr const char* kSoundFileFilter = "Sound files (*.wav *.mid);;All files (*)";
inline constexpr const char* kEventSoundsOff = "Event sounds are switched off: tick \"Play event sounds\" to hear them.";

// The idiot list and friends.
inline constexpr std::array<const char*, 4> kIdiotColumns = {"Mask", "Reason", "Held", "Last seen"};
inline constexpr std::array<const char*, 3> kFriendColumns = {"Nickname", "Mask", "Level"};

// Refusals: the record keeps its value and the page says why.
inline constexpr const char* kBadPort = "The port of server %1 must be a number from 1 to 65535.";
inline constexpr const char* kBadServer = "The name of server %1 cannot contain spaces.";
inline constexpr const char* kBadUserName = "The user name must be one word, with no spaces.";
inline constexpr const char* kBadNickname = "Nickname %1 cannot contain spaces.";
inline constexpr const char* kBadMask = "\"%1\" is not a complete mask: write it as nick!user@host, with * for any part.";
inline constexpr const char* kBadChannel = "A channel name cannot contain spaces or commas.";
inline constexpr const char* kBadKey = "A channel key cannot contain spaces or commas.";

// DCC.
inline constexpr const char* kDccAllow = "Accept DCC offers from";
inline constexpr std::array<const char*, 3> kDccAllowModes = {"Yes", "No", "Only from friends"};
inline constexpr const char* kDccAutomatic = "Receive without asking from";
inline constexpr std::array<const char*, 3> kDccAutomaticModes = {"Nobody, always ask (recommended)", "Friends",
                                                                  "Everybody (not advised)"};
inline constexpr const char* kDccFileTypes = "File types";
inline constexpr const char* kDccAddFileType = "Add...";
inline constexpr const char* kDccRemoveFileType = "Remove";
inline constexpr const char* kDccAddFileTypeTitle = "Add filetype";
inline constexpr const char* kDccAddFileTypeText =
    "Type the file extension, without the \"*.\" in front (for example JPG):";
inline constexpr std::array<const char*, 3> kDccActions = {
    "Save file to folder", "Save file then open it with a helper program", "Hand the file to a plug-in"};
inline constexpr const char* kDccFolder = "Folder:";
inline constexpr const char* kDccSelectFolder = "Select folder";
inline constexpr const char* kDccHelper = "Helper:";
inline constexpr const char* kDccSelectProgram = "Select program";
inline constexpr const char* kDccProgramFilter = "Helper programs (*)";
inline constexpr const char* kDccPlugIn = "Plug-in:";
inline constexpr const char* kDccPlugIns = "DCC Plug-ins";
inline constexpr const char* kDccInstallPlugIn = "Install...";
inline constexpr const char* kDccRemovePlugIn = "Remove";
inline constexpr const char* kDccSetupPlugIn = "Setup...";
inline constexpr const char* kDccOwnAddress = "DCC own address";
inline constexpr const char* kDccOwnAddressHint = "empty: the local end of the server connection";
inline constexpr const char* kDccPortRange = "DCC port range";
inline constexpr const char* kDccPortRangeHint = "empty: any port; 5000 or 5000-5010";
inline constexpr const char* kDccPassive = "DCC passive";
inline constexpr const char* kDccPassiveHint =
    "Offer files passively: the other side listens and your side connects (for users behind NAT).";
inline constexpr const char* kDccSendAhead = "DCC send-ahead";
inline constexpr const char* kDccSendAheadUnit = " bytes";
inline constexpr const char* kBadDccAddress = "The DCC own address cannot contain spaces.";
inline constexpr const char* kBadDccPortRange =
    "The DCC port range must be empty (any port), one port such as 5000, or a range such as 5000-5010, with "
    "ports from 1 to 65535.";

// The join window.
inline constexpr const char* kJoinTitle = "Join a channel";
inline constexpr const char* kJoinCommand = "/join ";

}  // namespace parlevox::texts
