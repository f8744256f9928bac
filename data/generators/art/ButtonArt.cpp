#include "art/ButtonArt.h"

#include "art/Icons.h"
#include "display/ButtonStripLayout.h"

namespace parlevox::art {
namespace {

const Colour kWhite{255, 255, 255};
const Colour kWarmRim = Hex(0xffc04a);
const Colour kBarTop = Hex(0x2a3a52), kBarBottom = Hex(0x16202e);

Shape FaceShape(const PixelRect& r, float radius) {
    return RoundRect(r.left + 0.5f, r.top + 0.5f, r.right - 0.5f, r.bottom - 0.5f, radius);
}

void StripBackground(Canvas& canvas) {
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height(),
                    VerticalGradient(0, static_cast<float>(canvas.Height()), kBarTop, kBarBottom));
}

// Icons and labels move down and right by a pixel when pressed.
float Press(ButtonState state) {
    return state == ButtonState::Pressed ? 1.f : 0.f;
}

}  // namespace

void DrawButtonFace(Canvas& canvas, const PixelRect& r, ButtonState state, const FaceStyle& style) {
    Shape face = FaceShape(r, style.radius);
    float top = static_cast<float>(r.top), bottom = static_cast<float>(r.bottom);
    Colour high = Mix(style.base, kWhite, state == ButtonState::Over ? 0.42f : 0.3f);
    Colour low = Scale(style.base, state == ButtonState::Over ? 1.0f : 0.8f);
    if (state == ButtonState::Pressed) {
        high = Scale(style.base, 0.62f);
        low = Mix(style.base, kWhite, 0.08f);
    }
    canvas.FillShape(face, VerticalGradient(top, bottom, high, low));
    if (state != ButtonState::Pressed) {  // gloss over the upper half
        float middle = (top + bottom) / 2;
        Shape gloss = RoundRect(r.left + 1.5f, r.top + 1.5f, r.right - 1.5f, middle, style.radius - 1);
        canvas.FillShape(gloss, VerticalGradient(top, middle, Mix(kWhite, high, 0.4f), high), 0.35f);
    }
    canvas.Bevel(face, 2, state == ButtonState::Pressed ? 0.f : 0.55f, state == ButtonState::Pressed ? 0.f : 0.3f);
    if (state == ButtonState::Pressed) {  // inner shadow along the top
        Shape shade = Subtract(face, Offset(face, 0, 2));
        canvas.FillShape(shade, Solid({0, 0, 0}), 0.35f);
    }
    Shape rim = Subtract(face, [face](float x, float y) { return face(x, y) + 1; });
    canvas.FillShape(rim, Solid(state == ButtonState::Over ? kWarmRim : Scale(style.base, 0.45f)),
                     state == ButtonState::Over ? 0.9f : 1.f);
}

Canvas ChannelButton(ButtonState state) {
    Canvas canvas(layout::kChannelButtonWidth, layout::kChannelButtonHeight);
    StripBackground(canvas);
    PixelRect whole{0, 0, layout::kChannelButtonWidth, layout::kChannelButtonHeight};
    DrawButtonFace(canvas, whole, state, {Hex(0x4657b8), 9});
    float shift = Press(state);
    DrawHash(canvas, {50 + shift, 29 + shift, 40, Mix(kWhite, Hex(0xdfe6ff), 0.3f)});
    const PixelRect& plate = layout::kChannelNamePlate;
    Shape plateShape = RoundRect(plate.left + shift, plate.top + shift, plate.right + shift, plate.bottom + shift, 5);
    canvas.FillShape(Offset(plateShape, 0, 1), Solid(kWhite), 0.25f);
    canvas.FillShape(plateShape, VerticalGradient(plate.top, plate.bottom, Hex(0xe9eefb), Hex(0xffffff)));
    canvas.FillShape(Subtract(plateShape, Offset(plateShape, 0, 1.5f)), Solid(Hex(0x1c2450)), 0.35f);
    return canvas;
}

Canvas ControlBar(ButtonState state) {
    Canvas canvas(layout::kControlBarWidth, layout::kControlBarHeight);
    StripBackground(canvas);
    const Colour ink = kWhite;
    for (int i = 0; i < layout::kControlBarButtonCount; ++i) {
        const PixelRect& r = layout::kControlBarButtons[static_cast<size_t>(i)];
        DrawButtonFace(canvas, r, state, {Hex(0x3a78b8), 6});
        IconPen pen{(r.left + r.right) / 2.f + Press(state), (r.top + r.bottom) / 2.f + Press(state), 28, ink};
        switch (i) {
            case layout::kConnect: DrawPlug(canvas, pen, true); break;
            case layout::kDisconnect: DrawPlug(canvas, pen, false); break;
            case layout::kJoinChannel: DrawHash(canvas, pen); break;
            case layout::kNotifyList: DrawPeople(canvas, pen); break;
            default: DrawGear(canvas, pen); break;
        }
    }
    return canvas;
}

Canvas DccStrip(ButtonState state, int width) {
    Canvas canvas(width, layout::kDccStripHeight);
    canvas.FillRect(0, 0, width, canvas.Height(),
                    VerticalGradient(0, static_cast<float>(canvas.Height()), Hex(0xe8edf4), Hex(0xc9d3e0)));
    canvas.FillRect(0, canvas.Height() - 1, width, canvas.Height(), Solid(Hex(0x8a98ab)));
    const Colour bases[] = {Hex(0xc0483a), Hex(0xc98a22), Hex(0x55667d)};  // delete, ignore, close
    for (size_t i = 0; i < layout::kDccButtons.size(); ++i) {
        const PixelRect& r = layout::kDccButtons[i];
        DrawButtonFace(canvas, r, state, {bases[i], 4});
        IconPen pen{(r.left + r.right) / 2.f + Press(state), (r.top + r.bottom) / 2.f + Press(state), 13, kWhite};
        if (i == 0) DrawBin(canvas, pen);
        if (i == 1) DrawNoEntry(canvas, pen);
        if (i == 2) DrawCross(canvas, pen);
    }
    return canvas;
}

Canvas HelpBar(ButtonState state, TextRenderer& font) {
    Canvas canvas(layout::kHelpBarWidth, layout::kHelpBarHeight);
    StripBackground(canvas);
    for (int i = 0; i < static_cast<int>(layout::kHelpTopics.size()); ++i) {
        PixelRect r = layout::HelpButton(i);
        DrawButtonFace(canvas, r, state, {Hex(0x4b5d78), 4});
        TextStyle style;
        style.size = 11.5f;
        style.paint = Solid(state == ButtonState::Over ? Hex(0xfff3d6) : kWhite);
        style.centred = true;
        style.shadowOpacity = 0.65f;
        style.shadowBlur = 0;
        style.shadowDx = 0;
        style.shadowDy = 1;
        DrawText(canvas, font, layout::kHelpTopics[static_cast<size_t>(i)], (r.left + r.right) / 2.f + Press(state),
                 (r.top + r.bottom) / 2.f + 1 + Press(state), style);  // no descenders: sit a pixel lower
    }
    return canvas;
}

}  // namespace parlevox::art
