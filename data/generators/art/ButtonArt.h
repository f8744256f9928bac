#pragma once
// The button strips of the built-in bitmaps, each in its three states.
#include "art/Canvas.h"
#include "art/TextRenderer.h"
#include "display/RawBitmap.h"

namespace parlevox::art {

enum class ButtonState { Normal, Pressed, Over };

struct FaceStyle {
    Colour base;
    float radius = 5;
};

// A glossy rounded button face; pressed faces are sunken, mouse-over ones
// lit with a warm rim.
void DrawButtonFace(Canvas& canvas, const PixelRect& rect, ButtonState state, const FaceStyle& style);

Canvas ChannelButton(ButtonState state);
Canvas ControlBar(ButtonState state);
Canvas DccStrip(ButtonState state, int width);
Canvas HelpBar(ButtonState state, TextRenderer& font);

}  // namespace parlevox::art
