#pragma once
// What the main frame writes to the status window, its boxes and its tips.

namespace parlevox::mainframe_text {

inline constexpr const char* kPrivateNotice = "%s-%s\b%s\b%s- %s%s";
inline constexpr const char* kServerNotice = "%s- [Server] %s%s";
inline constexpr const char* kError = "%s- %s";
inline constexpr const char* kOwnModes = "%s- Your user modes have altered: \x02%s\x02.";
inline constexpr const char* kInvite = "%s- \b%s%s%s\b invites you to channel \x02%s\x02.";
// Every nick setting and three "_" forms were taken.
// A plain line typed where no channel window can take it.
inline constexpr const char* kNoChannelOpen =
    "! No channel is open: join one with /join #channel, or type a / command.";
inline constexpr const char* kNoFreeNick =
    "%s! Every nickname tried is in use here. Choose another with /nick <nickname>.";

inline constexpr const char* kNickServKillTitle = "NickServ kill";
inline constexpr const char* kNickServKill =
    "You were just \"killed\" (disconnected from the IRC network) by NickServ, which enforces nickname ownership "
    "on DALnet.\n\nChances are that you were using somebody else's nickname, but this can also happen very "
    "occasionally with your own nicknames if NickServ is lagged from you.";
inline constexpr const char* kGhostKillTitle = "NickServ ghost";
inline constexpr const char* kGhostKill =
    "You were just \"ghosted\" (disconnected from the IRC network) by %s. Most likely, this is because you were "
    "using their registered nickname; in future, stick to your own nicknames. If you were using one of -your- "
    "registered nicknames, then you should go to a help channel, and explain what happened.";
inline constexpr const char* kServerKillTitle = "Server kill";
inline constexpr const char* kServerKill =
    "You were just \"killed\" (disconnected from the IRC network) by the server %s. The message is:\n\n%s\n\nAt "
    "the time of writing, this usually occurs only if there is a lot of lag and you have just changed server. You "
    "can avoid the problem by using a different nickname on an unlagged server.\n\nThere are other reasons for "
    "this such as if you are abusing the IRC network and the server detected it.";
inline constexpr const char* kUserKillTitle = "You've been /killed";
inline constexpr const char* kUserKill =
    "You were just \"killed\" (disconnected from the IRC network) by %s. The message is:\n\n%s\n\nNormally, you "
    "are /killed only when you do something wrong (although mistakes can be made). Try to avoid repeating "
    "whatever action you might have recently taken that's against network policies.";

// One-shot tips, by their numbers.
inline constexpr int kPrivateMessageTip = 61221;
inline constexpr int kNoticeTip = 61231;
inline constexpr int kCTCPTip = 61237;
inline constexpr int kDccOfferTip = 61222;
inline constexpr const char* kPrivateMessageTipText =
    "You've just received a private message.\n\nThe message appears in its own box, which starts off minimised; "
    "you can see a button for it in the switchbar at the bottom of the screen, with the sender's name "
    "highlighted in red.\n\nTo read and answer the message, OK this box and click on the red-highlighted button "
    "to bring up the window.";
inline constexpr const char* kNoticeTipText =
    "You just received a notice.\n\nNotices are similar to ordinary IRC messages, but they are displayed "
    "differently, and Parlevox won't open a new window for them; unless a window is already open that's "
    "appropriate for the notice, notices go to the -current- window. So the person sending the notice might not "
    "be in the channel window where the message appeared. ";
inline constexpr const char* kCTCPTipText =
    "The message you just received (shown by a person's nickname and square bracketed \"CTCP\" text) is a CTCP "
    "message. These messages are normally intended to communicate with the IRC program (some, like PING and "
    "VERSION, are automatically handled by Parlevox and other clients) rather than with you - so there is no "
    "need to respond to these messages.";

// Sound events the main frame plays.
inline constexpr const char* kChannelWindowSound = "New channel window opens";
inline constexpr const char* kNewMessageSound = "New message or DCC request";
inline constexpr const char* kNoticeSound = "Notice received";
inline constexpr const char* kDisconnectSound = "Disconnect";

}  // namespace parlevox::mainframe_text
