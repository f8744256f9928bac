#pragma once
// Every text the command processor and the built-in commands write.
// Colour arguments are the codes of colour slots (ColourCodes::Code).

namespace parlevox::texts {

// Processor (slot 14; slot 13 before the help text).
inline constexpr const char* kCommandNotFound = "%s! Couldn't find a \x1f%s\x1f command.";
inline constexpr const char* kIncorrectParameters = "%s! Command \x1f%s\x1f received incorrect parameters %s- ";
// A typed line whose variables would fill more than the expansion cap (slot 14, the cap in bytes).
inline constexpr const char* kExpandedLineTooLong =
    "%s! The line is too long once its variables are filled in (more than %i characters); nothing was run.";
// An owner the command needs is not part of this build yet (slot 14, the command name).
inline constexpr const char* kNotAvailable = "%s! The \x1f%s\x1f command is not available yet.";

// Echoes of sent text. Colours: slot 0 for the line, slot 5 inside the
// nickname mark, slot 1 before a notice's text, slot 11 for a query line.
inline constexpr const char* kEchoChannelMessage = "%s-> \x02%s\x02: %s";   // colour, channel, text
inline constexpr const char* kEchoPrivateMessage = "%s-> \b%s%s%s\b: %s";   // colour, [5], nick, colour, text
inline constexpr const char* kEchoChannelNotice = "%s-> -%s- %s%s";         // colour, channel, [1], text
inline constexpr const char* kEchoNickNotice = "%s-> -%s\b%s\b%s- %s%s";    // colour, [5], nick, colour, [1], text
inline constexpr const char* kEchoCtcp = "%s-> \x02%s\x02: [%s] %s";        // colour, target, type, parameters
inline constexpr const char* kEchoCtcpReply = "%s-> \x02%s\x02: [%s reply] %s";
inline constexpr const char* kEchoQuery = "%s<%s\b%s\b%s> %s";              // [11], [5], own nick, [11], text

// Command results.
inline constexpr const char* kIsonBusy =
    "%s! Parlevox is currently using ISON for system purposes. %sPlease try again later.";
inline constexpr const char* kInvalidMask = "%s! %s is not a valid mask.";
inline constexpr const char* kIgnoreReason = "User-specified /ignore";
inline constexpr const char* kIgnoreAdded = "%s- %s added to idiot list (in Prefs window).";  // slot 13, mask
inline constexpr const char* kCouldNotResolve = "%s! Could not resolve %s.";
inline constexpr const char* kNotValidIpAddress = "%s! Not a valid IP address.";
inline constexpr const char* kResolvesTo = "%s- %s resolves to \x02%s";
inline constexpr const char* kInvalidPort = "%s! %s is not a valid port number (1 to 65535).";
inline constexpr const char* kFileAlreadyPlaying = "%s! A file is already playing.";
inline constexpr const char* kPlayFileNotFound = "%s! Couldn't find that file - ensure you specify the full path.";

// Lines fed to the parser as if received.
inline constexpr const char* kTelnetOffer = ":%s!%i@Telnet PRIVMSG telnet :\x01" "DCC CHAT CHAT %u %i\x01";

// Help text shared by the commands that only scripts use.
inline constexpr const char* kScriptCommandHelp = "(Script command, see help)";

// Script commands (string, file, friend, channel, prompt and output ones).
inline constexpr const char* kFriendAdded = "%s- %s (%s) added to friend list (in Prefs window).";  // slot 13, mask, text
// FileNew or FileOpen with the table of open files full (slot 14, the command, the most).
inline constexpr const char* kScriptFilesFull =
    "%s! %s failed: %i script files are open, the most there may be. Close some with FileClose.";
inline constexpr const char* kInputRequestTitle = "Input request";

// Command-line window.
inline constexpr const char* kCommandLineTitle = "Command line";
inline constexpr const char* kCommandLineKey = "~CommandLine";
inline constexpr const char* kInvalidCommandTitle = "Invalid command";
inline constexpr const char* kInvalidCommandText = "You can only type / commands in this command-line box.";

}  // namespace parlevox::texts
