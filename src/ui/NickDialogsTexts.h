#pragma once
// The texts of the nick change dialog, the nickname registration and the
// NickServ page of the nick information dialog, in one place.

namespace parlevox::nickdialogs_text {

inline constexpr const char* kAllowedNickCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789{}[]`-_";

// The nick change dialog.
inline constexpr const char* kNickChangeTitle = "Change nickname";
inline constexpr const char* kNickChangePrompt = "&New nickname:";
inline constexpr const char* kNicknameError = "Nickname error";
inline constexpr const char* kEmptyNickname =
    "You must enter a nickname. If you decide not to change the nickname, click Cancel instead of OK.";
inline constexpr const char* kBadNicknameCharacters =
    "The nickname you choose must not include any characters other than these: "
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789{}[]`-_";

// The registration password dialog.
inline constexpr const char* kPasswordTitle = "Register %s";
inline constexpr const char* kPasswordPrompt = "&Password for %s:";
inline constexpr const char* kInvalidPassword = "Invalid password";
inline constexpr const char* kPasswordSpace = "Passwords can include most characters, but not spaces.";
inline constexpr const char* kPasswordShort =
    "For reasonable security, your password should include at least 7 characters.";

// Registering a nickname.
inline constexpr const char* kRegisterButton = "&Register...";
inline constexpr const char* kProblemRegistering = "Problem registering nick";
inline constexpr const char* kNickInUse = "That nickname couldn't be registered because it is currently in use.";
inline constexpr const char* kRegisteredOk = "Nick registered OK";
inline constexpr const char* kRegisteredOkText =
    "Nickname registered successfully.\n\nThe nickname's now yours; be warned that if you don't use it for around "
    "a month (25 days at time of writing) it will become available for others again.";
inline constexpr const char* kAlreadyOwned =
    "That nickname could not be registered; it is already owned by somebody else. Choose another nickname.";
inline constexpr const char* kNotUnderstood =
    "Parlevox failed to understand a response from NickServ, probably because NickServ's messages have changed "
    "since this version of Parlevox was released.\n\nYour nick may be registered or it may not; please check with "
    "NickServ manually.";
inline constexpr const char* kRegistrationSlow =
    "It's taking rather a long time to register your nickname; perhaps services is lagged.\n\nYou should check "
    "later whether the nick is registered, and if not, try again.";

// What NickServ's answers to a registration say.
inline constexpr const char* kNowRegistered = "is now registered";
inline constexpr const char* kAlreadyRegistered = "already registered";
inline constexpr const char* kDatabaseSync = "Next database sync is in";

// The NickServ page.
inline constexpr const char* kNickServPage = "NickServ";
inline constexpr const char* kNickServTitle = "%s Nickname Information";
inline constexpr const char* kNickNotRegistered = "(Nick not registered)";
inline constexpr const char* kSeeWhoisFor = "See /whois for";
inline constexpr const char* kAvailableInfo = "available info";
inline constexpr const char* kProblemChangingPassword = "Problem changing password";
inline constexpr const char* kPasswordNotChanged =
    "Unfortunately it wasn't possible to change your password. The old password remains.\n\nIf this is causing "
    "problems, you'd better sort it out using manual NickServ commands.";

// What NickServ's information answer says, tested in this order.
inline constexpr const char* kNotRegistered = "not registered";
inline constexpr const char* kCurrentlyOnIrc = "(Currently on IRC)";
inline constexpr const char* kMemosForward = "Memos forward to ";
inline constexpr const char* kLastSeenAddress = "Last seen address";
inline constexpr const char* kKillEnforce = "nick kill enforce";
inline constexpr const char* kEndOfInfo = "End of Info";
inline constexpr const char* kIs = " is ";
inline constexpr const char* kStarsPrefix = "*** ";
inline constexpr const char* kPasswordChanged = "Password changed.";
inline constexpr const char* kAccessDenied = "Access denied";
// The head of an information answer names its nick.
inline constexpr const char* kInfoAbout = "*** Info about ";

// The page's labels.
inline constexpr const char* kDescriptionLabel = "Description:";
inline constexpr const char* kAddressLabel = "Last seen address:";
inline constexpr const char* kForwardLabel = "&Forward memos to:";
inline constexpr const char* kKillLabel = "&Kill enforce (others using the nick are disconnected)";
inline constexpr const char* kNewPasswordLabel = "New &password:";
inline constexpr const char* kUrlLabel = "&Web address:";
inline constexpr const char* kApply = "&Apply";
inline constexpr const char* kSettingsGroup = "Settings";
inline constexpr const char* kSettingsHint = "Only the nick's owner, using it now, can change its settings.";

// The commands sent to NickServ.
inline constexpr const char* kInfoCommand = "info ";
inline constexpr const char* kRegisterCommand = "register ";
inline constexpr const char* kSetForward = "set forward ";
inline constexpr const char* kSetKillOn = "set kill on";
inline constexpr const char* kSetKillOff = "set kill off";
inline constexpr const char* kSetPassword = "set passwd ";
inline constexpr const char* kSetUrl = "set url ";

}  // namespace parlevox::nickdialogs_text
