#pragma once
// Colour slots of window lines: slot n is the setting "Colours"/"Colour<n+1>",
// and a line piece in that slot starts with byte 3 and the setting's value.
#include <string>

namespace parlevox {

namespace colour {
constexpr int kText = 0, kNotice = 1, kJoin = 2, kPart = 3, kQuit = 4, kNick = 5, kNickChange = 6, kTopic = 7,
              kMode = 8, kNetSplit = 9, kWebAddress = 10, kOwnMessage = 11, kInformation = 13, kProblem = 14,
              kHighlight = 15;
}

// "\x03" followed by the slot's colour value, from the current settings.
std::string ColourCode(int slot);

}  // namespace parlevox
