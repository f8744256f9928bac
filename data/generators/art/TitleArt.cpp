#include "art/TitleArt.h"

#include <algorithm>
#include <cmath>

#include "art/Icons.h"
#include "display/ButtonStripLayout.h"

namespace parlevox::art {
namespace {

const Colour kWhite{255, 255, 255};
const Colour kIndigo = Hex(0x1a2466), kViolet = Hex(0x5a2d91), kAmber = Hex(0xffb23f), kOrange = Hex(0xf2742b);
const Colour kSky = Hex(0x7fd0ff), kBlue = Hex(0x2f7fd6);

// Deep indigo to violet along the diagonal, with a warm glow near a point.
Paint NightSky(float width, float height, float glowX, float glowY) {
    return [=](float x, float y) {
        float t = std::clamp((x / width) * 0.6f + (y / height) * 0.4f, 0.f, 1.f);
        Colour c = Mix(kIndigo, kViolet, t);
        float glow = std::exp(-((x - glowX) * (x - glowX) + (y - glowY) * (y - glowY)) / (2 * 150.f * 150.f));
        return Mix(c, Hex(0xff8a4a), glow * 0.28f);
    };
}

// Soft out-of-focus lights; a small fixed generator keeps the art the same
// on every build.
void Bokeh(Canvas& canvas, float bottom, int count, unsigned seed) {
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<float>(seed >> 8 & 0xffff) / 65535.f;
    };
    for (int i = 0; i < count; ++i) {
        float x = next() * canvas.Width(), y = next() * bottom, r = 6 + next() * 34;
        canvas.FillShape(Circle(x, y, r), Solid(Mix(kWhite, kSky, next())), 0.04f + next() * 0.08f, 2.5f);
    }
}

// Two overlapping speech bubbles, the client's emblem, in a box.
void Emblem(Canvas& canvas, float left, float top, float scale) {
    auto at = [&](float u) { return u * scale; };
    Shape back = SpeechBubble(left + at(46), top + at(4), left + at(128), top + at(62), false);
    Shape front = SpeechBubble(left + at(0), top + at(30), left + at(98), top + at(98), true);
    canvas.FillShape(Offset(back, at(3), at(5)), Solid({0, 0, 0}), 0.35f, at(7));
    canvas.FillShape(back, VerticalGradient(top, top + at(62), kSky, kBlue));
    canvas.Bevel(back, at(3), 0.5f, 0.25f);
    canvas.FillShape(Offset(front, at(3), at(6)), Solid({0, 0, 0}), 0.45f, at(8));
    canvas.FillShape(front, VerticalGradient(top + at(30), top + at(98), kAmber, kOrange));
    canvas.Bevel(front, at(3), 0.6f, 0.25f);
    for (int dot = 0; dot < 3; ++dot)
        canvas.FillShape(Circle(left + at(26 + 23 * dot), top + at(64), at(7.5f)), Solid(kWhite), 0.95f);
}

// A little conversation: bubbles with lines of "text" in them.
void Conversation(Canvas& canvas, float left, float top) {
    struct Line {
        float indent, width;
        bool mine;
        Colour tint;
    } lines[] = {
        {0, 170, false, Hex(0xdbe7ff)}, {70, 150, true, Hex(0xffe5c4)},
        {0, 120, false, Hex(0xd9f3e6)}, {48, 180, true, Hex(0xffe5c4)},
    };
    float y = top;
    for (const Line& line : lines) {
        float x = left + line.indent;
        Shape bubble = SpeechBubble(x, y, x + line.width, y + 20, !line.mine);
        canvas.FillShape(Offset(bubble, 1, 2), Solid(Hex(0x1a2466)), 0.12f, 2.5f);
        canvas.FillShape(bubble, Solid(line.tint));
        canvas.FillShape(RoundRect(x + 12, y + 8, x + line.width * 0.72f, y + 12, 2), Solid(Scale(line.tint, 0.78f)));
        y += 28;
    }
}

void Card(Canvas& canvas, float left, float top, float right, float bottom) {
    Shape card = RoundRect(left, top, right, bottom, 7);
    canvas.FillShape(Offset(card, 0, 3), Solid(Hex(0x1a2466)), 0.18f, 6);
    canvas.FillShape(card, VerticalGradient(top, bottom, kWhite, Hex(0xf3f6fb)));
    canvas.FillShape(Subtract(card, [card](float x, float y) { return card(x, y) + 1; }), Solid(Hex(0xc9d3e3)));
}

}  // namespace

Canvas TitleScreen(const Fonts& fonts) {
    const float w = layout::kTitleWidth, h = layout::kTitleHeight;
    Canvas canvas(layout::kTitleWidth, layout::kTitleHeight);
    canvas.FillRect(0, 0, layout::kTitleWidth, layout::kTitleHeight,
                    VerticalGradient(190, 346, Hex(0xf6f8fc), Hex(0xe2e9f3)));

    // The banner, with a gentle wave along its lower edge.
    Shape banner = [](float x, float y) { return y - (196 + 9 * std::sin(x / 88.f + 0.6f)); };
    canvas.FillShape(Offset(banner, 0, 4), Solid(Hex(0x1a2466)), 0.25f, 8);
    canvas.FillShape(banner, NightSky(w, 210, 470, 40));
    Bokeh(canvas, 190, 26, 20240611u);
    canvas.FillShape(Subtract([banner](float x, float y) { return banner(x, y) + 0.5f; },
                              [banner](float x, float y) { return banner(x, y) + 2.5f; }),
                     Solid(kAmber), 0.8f);

    Emblem(canvas, 34, 40, 1.0f);
    TextStyle title;
    title.size = 70;
    title.paint = VerticalGradient(50, 120, kWhite, Hex(0xdce3ff));
    title.shadowOpacity = 0.55f;
    title.shadowBlur = 3;
    title.shadowDx = 2;
    title.shadowDy = 4;
    DrawText(canvas, fonts.bold, "Parlevox", 182, 42, title);
    TextStyle tagline;
    tagline.size = 19;
    tagline.paint = Solid(Hex(0xffd79a));
    tagline.letterSpacing = 1.2f;
    tagline.shadowOpacity = 0.4f;
    DrawText(canvas, fonts.regular, "Internet Relay Chat", 188, 130, tagline);

    Conversation(canvas, 26, 226);
    // Only the status text the client draws at (292, 244) speaks here: a
    // fixed caption would contradict it once start-up is over.
    Card(canvas, 280, 232, 588, 268);

    // The ring of icon slots: white, with a faint frame around each.
    canvas.FillRect(0, 346, layout::kTitleWidth, 412, Solid(kWhite));
    canvas.FillRect(0, 346, layout::kTitleWidth, 347, Solid(Hex(0xd3dbe7)));
    for (int slot = 0; slot < layout::kTitleIconSlots; ++slot) {
        float x = static_cast<float>(layout::kTitleIconX + slot * layout::kTitleIconPitch);
        Shape frame = RoundRect(x - 3, layout::kTitleIconY - 3, x + 51, layout::kTitleIconY + 51, 7);
        canvas.FillShape(Subtract(frame, [frame](float px, float py) { return frame(px, py) + 1; }),
                         Solid(Hex(0xe3e9f2)));
    }
    canvas.FillRect(0, 412, layout::kTitleWidth, layout::kTitleHeight, [&](float x, float y) {
        return NightSky(w, h, 470, 40)(x, y * 0.3f);
    });
    return canvas;
}

Canvas SetupScreen(const Fonts& fonts) {
    const float w = layout::kSetupWidth, h = layout::kSetupControlsY;
    Canvas canvas(layout::kSetupWidth, layout::kSetupHeight, Hex(0xe2e9f3));
    canvas.FillRect(0, 0, layout::kSetupWidth, layout::kSetupControlsY, NightSky(w, h, 300, 30));
    Bokeh(canvas, h, 14, 383232u);
    canvas.FillRect(0, layout::kSetupControlsY - 2, layout::kSetupWidth, layout::kSetupControlsY, Solid(kAmber));
    Emblem(canvas, 24, 40, 0.78f);
    TextStyle title;
    title.size = 46;
    title.paint = Solid(kWhite);
    title.shadowOpacity = 0.5f;
    title.shadowBlur = 2;
    title.shadowDy = 3;
    DrawText(canvas, fonts.bold, "Parlevox", 140, 48, title);
    TextStyle setup;
    setup.size = 22;
    setup.paint = Solid(kAmber);
    setup.letterSpacing = 2;
    setup.shadowOpacity = 0.4f;
    DrawText(canvas, fonts.regular, "Setup", 144, 106, setup);
    TextStyle note;
    note.size = 12;
    note.paint = Solid(Hex(0xc9d2f2));
    DrawText(canvas, fonts.regular, "Internet Relay Chat for your desktop", 26, 160, note);
    TextStyle stage;
    stage.size = 12;
    stage.paint = Solid(kWhite);
    DrawText(canvas, fonts.regular, "Reading", layout::kSetupStageX + 10, layout::kSetupReadingY + 4, stage);
    DrawText(canvas, fonts.regular, "Unpacking", layout::kSetupStageX + 10, layout::kSetupUnpackingY + 4, stage);
    return canvas;
}

Canvas DefaultIcon() {
    Canvas canvas(layout::kIconSide, layout::kIconSide, kWhite);
    Shape tile = RoundRect(2, 2, 46, 46, 9);
    canvas.FillShape(Offset(tile, 0, 1.5f), Solid(Hex(0x1a2466)), 0.3f, 2.5f);
    canvas.FillShape(tile, VerticalGradient(2, 46, Hex(0x5e6fe0), Hex(0x3a2f9a)));
    canvas.Bevel(tile, 2, 0.45f, 0.35f);
    Shape bubble = SpeechBubble(9, 11, 39, 32, true);
    canvas.FillShape(Offset(bubble, 0.5f, 1.5f), Solid({0, 0, 0}), 0.3f, 1.5f);
    canvas.FillShape(bubble, VerticalGradient(11, 32, kWhite, Hex(0xe6ebff)));
    for (int dot = 0; dot < 3; ++dot)
        canvas.FillShape(Circle(17 + 7 * dot, 21.5f, 2.3f), Solid(dot == 1 ? kOrange : Hex(0x3a2f9a)));
    return canvas;
}

}  // namespace parlevox::art
