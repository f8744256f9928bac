#pragma once
// What the reactions show and store: the settings key, the messages, the
// output prefix, the display pieces, the editor's labels and the source a
// new reaction function starts from.
namespace parlevox::texts {

// The settings key of the reaction list (Count and "%08i" entries).
inline constexpr const char* kReactionsKey = "Reactions";

inline constexpr const char* kReactionsLost =
    "There was a problem loading reactions settings from the registry - some of the reactions that were set up "
    "appear to have been lost.";

// Filled with user colours 14, 13, 14 and 13.
inline constexpr const char* kReactionPrefix = "\x03%s[%sReaction%s]%s ";

inline constexpr const char* kReactionEnabled = "Yes\t";
inline constexpr const char* kReactionDisabled = "No\t";
inline constexpr const char* kReactionOwnerInvalid = "<invalid>";

inline constexpr const char* kFunctionAndModuleRequiredTitle = "Function and module required";
inline constexpr const char* kFunctionAndModuleRequired =
    "Parlevox is trying to update the currently-selected item, but you must enter the name of a function (or IRC "
    "/-command) and select an owner module, first.";
inline constexpr const char* kReactionFunctionExists = "A function of that name already exists in the chosen module.";

// A new reaction function: its name, then this.
inline constexpr const char* kNewReactionFunctionTail =
    " <>\r\n  {\r\n  // Add code that handles the reaction here.\r\n  // You may want to use the global variables\r\n"
    "  // that will have been set for the event.\r\n\r\n  // Return a pair depending on what you want\r\n"
    "  // to happen with future message processing. Default:\r\n  // <Continue processing, don't mark done>\r\n"
    "  return <1,0>;\r\n  }\r\n";

// The Reactions window's labels.
inline constexpr const char* kReactionLabelEventType = "Event type";
inline constexpr const char* kReactionLabelFunction = "Function";
inline constexpr const char* kReactionLabelOwner = "Owner module";
inline constexpr const char* kReactionLabelActive = "Active";
inline constexpr const char* kReactionLabelSender = "Sender";
inline constexpr const char* kReactionLabelNumeric = "Numeric";
inline constexpr const char* kReactionLabelChannel = "Channel";
inline constexpr const char* kReactionLabelType = "Type";
inline constexpr const char* kReactionLabelMessageFilter = "Message filter";

// Why a stored reaction text was not taken.
inline constexpr const char* kReactionFieldCount = "A reaction has nine fields; this one has %d.";
inline constexpr const char* kReactionNotDecimal = "Field %d of a reaction is not a decimal number: \"%s\".";
inline constexpr const char* kReactionNotHex = "Field %d of a reaction is not a hexadecimal number: \"%s\".";
inline constexpr const char* kReactionNoEventType = "The reaction's event selector %08x names no event type.";

// The Reactions tab's own questions.
inline constexpr const char* kRemoveReactionTitle = "Remove reaction";
inline constexpr const char* kRemoveReactionQuestion = "Remove the selected reaction?";
inline constexpr const char* kReactionFunctionTitle = "New reaction function";
inline constexpr const char* kReactionFunctionNeedsName =
    "Enter the name of the new function (not an IRC /-command) and select its owner module first.";

}  // namespace parlevox::texts
