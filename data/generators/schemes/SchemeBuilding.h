#pragma once
// Putting a sample scheme together from its pictures: images, fade boxes
// and a hot spot with its three pictures, sound and command.
#include <string>
#include <string_view>

#include "display/Scheme.h"

namespace parlevox::schemegen {

// Anchored points by corner: pixels in from the left or right edge and
// from the top or bottom edge.
AnchoredPoint FromTopLeft(int x, int y);
AnchoredPoint FromTopRight(int x, int y);
AnchoredPoint FromBottomLeft(int x, int y);
AnchoredPoint FromBottomRight(int x, int y);
// A rectangle of a fixed size whose top left is the given point.
AnchoredRect FixedSize(AnchoredPoint topLeft, int width, int height);
// The whole client area.
AnchoredRect WholeWindow();
// A picture as wide as the window that keeps its proportions: its height is
// the share (in 1/256) of the window's width. Along the top or the bottom.
AnchoredRect TopBand(int heightShareOfWidth);
AnchoredRect BottomBand(int heightShareOfWidth);

// Appends an image item, drawn (at the end of the draw order) unless it
// only serves a hot spot. Returns its position.
int AddImage(CScheme& scheme, std::string_view name, AlphaImage image, AnchoredRect rect, bool drawn = true);
void AddFadebox(CScheme& scheme, std::string_view name, AnchoredRect rect, int opacity, WindowsColour colour);

// A translucent panel with round corners and a thin edge that fits any
// window: fade boxes for the straight parts and a picture for each corner,
// whose solid part has the boxes' opacity so that the seams do not show.
// Insets are from the client's edges.
struct PanelInsets {
    int left, top, right, bottom;
};
struct PanelLook {
    PanelInsets insets;
    int radius;
    int opacity;
    WindowsColour colour;
    int edgeOpacity;
    WindowsColour edgeColour;
};
void AddRoundPanel(CScheme& scheme, std::string_view name, const PanelLook& look);

struct ButtonParts {
    std::string name;
    AnchoredPoint topLeft;  // the pictures share one size
    AlphaImage normal, mouseOver, pressed;
    int soundEvent = 0;  // 0 mouse-over, 1 button-down, 2 button-up
    std::string soundFile;
    std::string wave;
    std::string command;
};
// The hot spot covers its pictures; its items are named after it with the
// suffixes "N", "O", "D" and "A", as the editor names them.
void AddButton(CScheme& scheme, ButtonParts parts);

// Both samples are laid out alike: a card inset from the client's edges
// with the text inside it, and a strip below it where the button sits.
inline constexpr PanelInsets kCardInsets{12, 10, 12, 50};
inline constexpr int kCardRadius = 12;
// The text font ("Arial", 15, smoothed) and the text area inside the card.
void SetCardText(CScheme& scheme);
// Where a square button of the size goes: in the strip's right end.
AnchoredPoint ButtonCorner(int size);

}  // namespace parlevox::schemegen
