#pragma once
// Colour slots of window lines: slot n is the setting "Colours"/"Colour<n+1>",
// and a line piece in that slot starts with byte 3 and the setting's value.
#include <array>
#include <string>

namespace parlevox {

namespace colour {
constexpr int kText = 0, kNotice = 1, kJoin = 2, kPart = 3, kQuit = 4, kNick = 5, kNickChange = 6, kTopic = 7,
              kMode = 8, kNetSplit = 9, kWebAddress = 10, kOwnMessage = 11, kInformation = 13, kProblem = 14,
              kHighlight = 15;
}

// The sixteen slots' colour values, as the settings give them.
class ColourCodes {
public:
    static constexpr int kSlots = 16;

    ColourCodes() = default;
    explicit ColourCodes(const std::array<int, kSlots>& values) : values_(values) {}

    // "\x03" followed by the slot's colour value.
    std::string Code(int slot) const;

    bool operator==(const ColourCodes&) const = default;

private:
    std::array<int, kSlots> values_ {};
};

}  // namespace parlevox
