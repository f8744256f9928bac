#pragma once
// Where the buttons lie on the built-in button strips. The art generator
// draws them here and the windows that show the strips hit-test here; the
// pressed and mouse-over strips have the same layout as the normal one.
#include <array>

#include "display/RawBitmap.h"

namespace parlevox::layout {

// "BV-CHAN", "BV-CHAND", "BV-CHANO": one channel button, 100 x 79, with a
// plate at the bottom for the channel's name.
inline constexpr int kChannelButtonWidth = 100, kChannelButtonHeight = 79;
inline constexpr PixelRect kChannelNamePlate = {7, 55, 93, 73};

// "BV-CTRL", "BV-CTRLD", "BV-CTRLO": the control bar, 211 x 45.
inline constexpr int kControlBarWidth = 211, kControlBarHeight = 45;
enum ControlBarButton { kConnect, kDisconnect, kJoinChannel, kNotifyList, kPreferences, kControlBarButtonCount };
inline constexpr std::array<PixelRect, kControlBarButtonCount> kControlBarButtons = {{
    {1, 1, 42, 44}, {43, 1, 84, 44}, {85, 1, 126, 44}, {127, 1, 168, 44}, {169, 1, 210, 44},
}};

// "BV-DCC" (800 x 19, the buttons then the strip's background) and
// "BV-DCCD", "BV-DCCO" (126 x 19): delete, ignore, close.
inline constexpr int kDccStripWidth = 800, kDccButtonsWidth = 126, kDccStripHeight = 19;
inline constexpr std::array<PixelRect, 3> kDccButtons = {{{0, 1, 41, 18}, {42, 1, 83, 18}, {84, 1, 125, 18}}};

// "BV-HELP", "BV-HELPD", "BV-HELPO": the help bar, 700 x 20, seven topics.
inline constexpr int kHelpBarWidth = 700, kHelpBarHeight = 20;
inline constexpr std::array<const char*, 7> kHelpTopics = {
    "Contents", "Tutorial", "Chatting", "Commands", "Scripting", "Schemes", "About",
};
inline constexpr PixelRect HelpButton(int index) {
    return {100 * index + 1, 1, 100 * index + 99, 19};
}

// "STUPIDICON": the icon shown for a module or plug-in without its own.
inline constexpr int kIconSide = 48;

// "TITLESCREEN", 600 x 420: the status text and the ring of nine icon
// slots that the title screen draws over the picture. Slot n's 48 x 48 icon
// is at (kTitleIconX + n * kTitleIconPitch, kTitleIconY); the margins leave
// room for the frame drawn 3 pixels around each slot.
inline constexpr int kTitleWidth = 600, kTitleHeight = 420;
inline constexpr int kTitleStatusX = 292, kTitleStatusY = 244;
inline constexpr int kTitleIconSlots = 9, kTitleIconX = 12, kTitleIconY = 356, kTitleIconPitch = 66;
static_assert(kTitleIconX >= 3 && kTitleIconX + (kTitleIconSlots - 1) * kTitleIconPitch + kIconSide + 3 <= kTitleWidth,
              "every slot frame lies inside the title screen");

// "Screen", 383 x 232: the installer's background; an edit box and the
// "Go" button cover it from y = 195 down.
inline constexpr int kSetupWidth = 383, kSetupHeight = 232, kSetupControlsY = 195;
// The two areas setup inverts while it reads a file and while it unpacks
// it; the picture labels them.
inline constexpr int kSetupStageX = 292, kSetupStageWidth = 92, kSetupStageHeight = 22;
inline constexpr int kSetupReadingY = 114, kSetupUnpackingY = kSetupReadingY + kSetupStageHeight;

}  // namespace parlevox::layout
