#pragma once
// The channel information dialog's texts and the requests it sends to the
// services, in one place. The answers' key phrases are the services' own
// wording: they are what the dialog recognises.

namespace parlevox::chanserv_text {

inline constexpr const char* kTitle = "%s Channel Information";
inline constexpr const char* kPleaseWait = "(Please wait)";
inline constexpr const char* kUnregistered = "(Channel unregistered)";

// Access levels from the ACC answer.
inline constexpr const char* kAkicked = "AKICKed";
inline constexpr const char* kNormal = "Normal";
inline constexpr const char* kAop = "AOP";
inline constexpr const char* kSop = "SOP";
inline constexpr const char* kNoId = "(no ID)";
inline constexpr const char* kFounderId = "Founder,ID";

// Page names and controls.
inline constexpr const char* kMainPage = "Information";
inline constexpr const char* kAopPage = "AOPs";
inline constexpr const char* kSopPage = "SOPs";
inline constexpr const char* kAkickPage = "AKICKs";
inline constexpr const char* kBansPage = "Bans";
inline constexpr const char* kBecomeFounder = "Become founder...";
inline constexpr const char* kRegister = "Register...";
inline constexpr const char* kChangePassword = "Change password...";
inline constexpr const char* kListing = "Asking ChanServ for the list...";
inline constexpr const char* kListingBans = "Asking the server for the ban list...";
inline constexpr const char* kCheckingNick = "Asking NickServ about %s...";
inline constexpr const char* kWaitingAnswer = "Waiting for ChanServ's answer...";

// Requests. Each ChanServ or NickServ request is this text after
// "PRIVMSG <service>@<services host> :".
inline constexpr const char* kIdentify = "IDENTIFY %s %s";
inline constexpr const char* kAcc = "ACC %s %s";
inline constexpr const char* kInfo = "INFO %s";
inline constexpr const char* kSet = "set %s";
inline constexpr const char* kIdentifyFounder = "identify %s %s";
inline constexpr const char* kSetFounder = "set %s founder";
inline constexpr const char* kSetPassword = "set %s PASSWD %s";
inline constexpr const char* kRegisterRequest = "REGISTER %s %s %s";
inline constexpr const char* kNickInfo = "INFO %s";
inline constexpr const char* kListRequest = "%s %s LIST";
inline constexpr const char* kAddRequest = "%s %s ADD %s";
inline constexpr const char* kDelRequest = "%s %s DEL %s";
inline constexpr const char* kBanList = "/mode %s b";
inline constexpr const char* kBanAdd = "/mode %s +b %s";
inline constexpr const char* kBanDel = "/mode %s -b %s";
inline constexpr const char* kBanClear = "/mode %s -bbb ";

// Main page answers.
inline constexpr const char* kNotRegistered = "not registered";
inline constexpr const char* kDescriptionLabel = "Description: ";
inline constexpr const char* kModeLockLabel = "Mode Lock  : ";
inline constexpr const char* kUrlLabel = "URL        : ";
inline constexpr const char* kFounderLabel = "Founder    : ";
inline constexpr const char* kRegisteredLabel = "Registered : ";
inline constexpr const char* kLastOppingLabel = "Last opping: ";
inline constexpr const char* kMemoSop = "Memo level : SOP";
inline constexpr const char* kMemoFounder = "Memo level : FOUNDER";
inline constexpr const char* kEndOfInfo = "End of info";
inline constexpr const char* kAccessDenied = "Access denied to that function";
inline constexpr const char* kFounderAccessUser = "Founder access user for";
inline constexpr const char* kFounderAccessPassword = "Founder access password for";
inline constexpr const char* kAccAnswer = "ACC";
inline constexpr const char* kOptionsLabel = "Options    : ";
inline constexpr const char* kTopicLockFounder = "Topic Lock(F)";
inline constexpr const char* kTopicLockSop = "Topic Lock(S)";
inline constexpr const char* kRestrictedOption = "Restricted";
inline constexpr const char* kIdentOption = "Ident";

// List answers.
inline constexpr const char* kAdded = "Added ";
inline constexpr const char* kRemoved = "Removed ";
inline constexpr const char* kMatchesFound = "match(es) found";
inline constexpr const char* kSearchResults = "search results for";
inline constexpr const char* kNickExpired = "Nick expired! (delete this)";
// NickServ's answers to INFO.
inline constexpr const char* kNickEndOfInfo = "End of Info";

inline constexpr const char* kAdditionNotVerified = "(addition not verified)";
inline constexpr const char* kDeletionNotVerified = "(deletion not verified)";

// Settings lines, after "set <channel>".
inline constexpr const char* kSetDesc = " DESC ";
inline constexpr const char* kSetUrl = " URL ";
inline constexpr const char* kSetMlock = " MLOCK ";
inline constexpr const char* kIdentOn = " IDENT ON";
inline constexpr const char* kIdentOff = " IDENT OFF";
inline constexpr const char* kMemoAop = " MEMO AOP";
inline constexpr const char* kMemoSopSetting = " MEMO SOP";
inline constexpr const char* kRestrictOn = " RESTRICT ON";
inline constexpr const char* kRestrictOff = " RESTRICT OFF";
inline constexpr const char* kTopicLockOff = " TOPICLOCK OFF";
inline constexpr const char* kTopicLockSopSetting = " TOPICLOCK SOP";
inline constexpr const char* kTopicLockFounderSetting = " TOPICLOCK FOUNDER";

// Boxes and prompts.
inline constexpr const char* kUrlErrorTitle = "URL Error";
inline constexpr const char* kUrlErrorText =
    "There was a problem executing the given URL.\n\nCheck your web browser is set up correctly; you should be able "
    "to type a URL into the Run box (from the Windows Start menu) and have it load.";
inline constexpr const char* kFounderFailureTitle = "Founder change failure";
inline constexpr const char* kFounderFailureText =
    "Your attempt to become founder of this channel or set the password failed.You must know the correct channel "
    "password to use this button. If you try again, make sure you correctly type the password (upper/lower case "
    "DOES matter)";
inline constexpr const char* kPasswordChangedTitle = "Password changed";
inline constexpr const char* kPasswordChangedText =
    "The password has successfully been changed.\n\nAlthough Parlevox will keep the password for you, you should "
    "also *write it down* in a safe place such as your computer manual or your diary.";
inline constexpr const char* kServicesDownTitle = "Services down or disconnection";
inline constexpr const char* kServicesDownText =
    "Services just went offline, or you were disconnected.\n\nIf the problem is with services, and they return, "
    "options in this dialog will be re-enabled.";
inline constexpr const char* kBecomeFounderTitle = "Become channel founder";
inline constexpr const char* kBecomeFounderPrompt =
    "You must know the channel password for this command. Enter password:";
inline constexpr const char* kFounderTimeoutTitle = "Time-out changing founder";
inline constexpr const char* kFounderTimeoutText =
    "The system hasn't responded to your request for a change of founder.\n\nYou can leave this dialog box if you "
    "like, but you'll have to re-do the procedure for changing founder some other time.";
inline constexpr const char* kChangePasswordTitle = "Change channel password";
inline constexpr const char* kChangePasswordPrompt =
    "Enter the new password. You'll receive confirmation if the change was successful.";
inline constexpr const char* kPasswordTimeoutTitle = "Time-out changing password";
inline constexpr const char* kPasswordTimeoutText =
    "The system hasn't responded to your request to change the password.\n\nThe change may not have been made, so "
    "keep using the old password until you see the confirmation.";
inline constexpr const char* kRegisterTitle = "Register channel";
inline constexpr const char* kRegisterPasswordPrompt =
    "Choose a password for the channel. You'll need it to become founder or change the settings.";
inline constexpr const char* kRegisterDescriptionPrompt = "Enter a short description of the channel:";
inline constexpr const char* kAddAkickTitle = "Add mask to AKICK list";
inline constexpr const char* kAddAkickPrompt = "Enter a mask to AKICK. (You can't enter a nickname here.)";
inline constexpr const char* kBadMaskTitle = "Bad mask";
inline constexpr const char* kBadMaskText =
    "The mask you specified is incorrect. Masks must contain three parts; a nickname, a username, and a host. The "
    "format is nickname!username@host. You can use * wildcards anywhere in the mask.";
inline constexpr const char* kAddAopTitle = "Add person to AOP list";
inline constexpr const char* kAddSopTitle = "Add person to SOP list";
inline constexpr const char* kAddPersonPrompt =
    "Enter a registered nickname. (You can't add masks using this dialog; doing so isn't advised in any case.)";
inline constexpr const char* kNickUnregisteredTitle = "Nickname unregistered";
inline constexpr const char* kNickUnregisteredText =
    "The nickname you gave wasn't registered. Ask the person to register their nickname, then try again to add "
    "them to the list.";
inline constexpr const char* kAddBanTitle = "Add mask to ban list";
inline constexpr const char* kAddBanPrompt =
    "Enter a mask to ban. (It's easier to ban people with the right-click menu on their names.)";
inline constexpr const char* kRedeleteTitle = "Re-deletion of mask";
inline constexpr const char* kRedeleteText =
    "You have already asked for this mask to be removed, and the server has not confirmed it yet.\n\nIt will be "
    "asked again; refresh the list to see which bans are really set.";
inline constexpr const char* kBansClearedTitle = "All bans cleared";
inline constexpr const char* kBansClearedText =
    "Brimvale has attempted to remove all the bans.\n\nThis may not necessarily have been successful if there was "
    "some problem, so if this is important, you should check that it succeeded.";

}  // namespace parlevox::chanserv_text
