#pragma once
// The lines, captions, boxes and file names of channel and private message
// windows, in one place. Each line starts with a colour code; "\b" wraps a
// nickname so that it can be right-clicked.
namespace parlevox::texts {

// Channel window lines.
inline constexpr const char* kChannelOpened = "%s- Channel %s opened at %s";
inline constexpr const char* kTopicSetBy = "%s- Topic set by %s\b%s\b%s at %s";
inline constexpr const char* kJoinLine = "%s# Joins: %s\b%s\b%s (%s@%s)";
inline constexpr const char* kNickChangeLine = "%s# %s\b%s\b%s changes nick to %s\b%s";
inline constexpr const char* kDisconnectedLine = "%s- Disconnected from server";
inline constexpr const char* kPartWithReason = "%s# Parts: %s\b%s\b%s (%s@%s) (%s)";
inline constexpr const char* kPartLine = "%s# Parts: %s\b%s\b%s (%s@%s)";
inline constexpr const char* kQuitLine = "%s# Quits: %s\b%s\b%s (%s)";
inline constexpr const char* kKickWithReason = "%s# Kicked: %s\b%s\b%s (by %s\b%s\b%s: %s)";
inline constexpr const char* kKickLine = "%s# Kicked: %s\b%s\b%s (by %s\b%s\b%s)";
inline constexpr const char* kModeLine = "%s# %s\b%s\b%s changes mode: %s%s";
inline constexpr const char* kTopicChangeLine = "%s# %s\b%s\b%s sets topic to: %s%s";
inline constexpr const char* kTopicOnJoin = "%s# Channel topic: %s%s";
inline constexpr const char* kMessageLine = "%s<%s\b%s\b%s> %s";
inline constexpr const char* kChannelNoticeLine = "%s-%s\b%s\b%s(%c)- %s%s";
inline constexpr const char* kActionLine = "%s* %s\b%s\b%s%s";
inline constexpr const char* kSoundPlaysLine = "%s- %s\b%s\b%s plays %s";
inline constexpr const char* kInvalidMessage = "Invalid message [%i/%i/%i/%i] Fulltext[%s]";
// strftime format of event times.
inline constexpr const char* kEventTime = "%H:%M on %A %d %B %Y";

// Net splits.
inline constexpr const char* kSplitBetween = "%s! Split between servers";
inline constexpr const char* kSplitNicks = "%s# Split: %s";

// Private message window lines (the rest are shared with channels).
inline constexpr const char* kPrivateNoticeLine = "%s-%s\b%s\b%s- %s%s";

// Captions.
inline constexpr const char* kTopicCaption = "%s - %s";
inline constexpr const char* kQueryCaption = "%s (%s@%s)";

// Being kicked.
inline constexpr const char* kKickedTitle = "Kicked out of channel";
inline constexpr const char* kKickedWithReason =
    "You have been kicked out of channel %s by %s. (%s)\n\nUnless you have also been banned, you can re-join the "
    "channel using the Join window or /join command in the normal way.";
inline constexpr const char* kKickedText =
    "You have been kicked out of channel %s by %s.\n\nUnless you have also been banned, you can re-join the "
    "channel using the Join window or /join command in the normal way.";

// Rejoining after a reconnection.
inline constexpr const char* kRejoin = "JOIN %s";

// Typed lines.
inline constexpr const char* kSendMessage = "/msg %s %s";
inline constexpr const char* kSendAction = "/ctcp %s ACTION %s";
inline constexpr const char* kSendSound = "/ctcp %s SOUND %s";
inline constexpr const char* kNoSoundHere = "%s- You don't have \x02%s\x02 [or sound is off].";

// Logs: strftime formats, shown and written as they are.
inline constexpr const char* kLogStart = "- [Log start:%H:%M on %A %d %B %Y]";
inline constexpr const char* kLogEnd = "- [Log end:%H:%M on %A %d %B %Y]";
inline constexpr const char* kLogNotOpened = "%s- The log file %s couldn't be opened.";
inline constexpr const char* kLogNotWritten = "%s- The log file %s couldn't be written; logging has stopped.";
inline constexpr const char* kLogFolder = "logs/";
inline constexpr const char* kLogExtension = ".log";
// Characters a channel name loses in its log file name.
inline constexpr const char* kLogNameDropped = ":\\/+<>*?";
// The log of a channel whose name leaves nothing usable.
inline constexpr const char* kUnnamedChannelLog = "unnamed channel";

// Saving a window's contents.
inline constexpr const char* kSaveContentsTitle = "Save Window Contents As";
inline constexpr const char* kSaveContentsFilter = "Text files (*.txt)|*.txt||";
inline constexpr const char* kSaveContentsExtension = "txt";
inline constexpr const char* kContentsSaved = "- Window contents saved.";
inline constexpr const char* kContentsNotSaved = "%s- The file %s couldn't be written.";

}  // namespace parlevox::texts
