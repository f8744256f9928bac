// Night: a starry sky with a crescent moon over dark hills with a few lit
// windows, a smoky card behind the text, and a star button.
#include "schemes/SampleSchemes.h"
#include "schemes/SchemeArt.h"
#include "schemes/SchemeBuilding.h"
#include "schemes/SchemeSounds.h"

namespace parlevox::schemegen {
namespace {

constexpr int kHillsWidth = 1024, kHillsHeight = 208, kHillsShare = 52;
// Stars and moon are drawn 1:1, so they stay crisp at any window size.
constexpr int kStarsWidth = 1600, kStarsHeight = 720;
constexpr int kMoonSize = 120;
constexpr int kButtonSize = 36;
constexpr float kHalfPi = 1.570796f;

AlphaImage Stars() {
    Layer stars(kStarsWidth, kStarsHeight);
    for (uint32_t i = 0; i < 420; ++i) {
        const float x = 4 + Hash01(i * 4 + 1) * (kStarsWidth - 8);
        const float depth = Hash01(i * 4 + 2);
        const float y = 4 + depth * depth * (kStarsHeight - 8);  // thinner toward the horizon
        const float level = Hash01(i * 4 + 3);
        const float brightness = 0.25f + 0.75f * level * level * level;
        const Rgb tint = Mix(Hex(0xCFDBFF), Hex(0xFFF1D8), Hash01(i * 4 + 4));
        const Box box{static_cast<int>(x) - 8, static_cast<int>(y) - 8, static_cast<int>(x) + 9,
                      static_cast<int>(y) + 9};
        stars.FillShape(Circle(x, y, 0.45f + 0.6f * brightness), Solid(tint), brightness, 1, box);
        if (brightness > 0.88f) {  // the brightest twinkle
            stars.Glow(x, y, 6, tint, 0.35f);
            stars.FillShape(Capsule(x - 4.5f, y, x + 4.5f, y, 0.3f), Solid(tint), 0.45f, 1.4f, box);
            stars.FillShape(Capsule(x, y - 4.5f, x, y + 4.5f, 0.3f), Solid(tint), 0.45f, 1.4f, box);
        }
    }
    return stars.ToAlphaImage();
}

AlphaImage Moon() {
    Layer moon(kMoonSize, kMoonSize);
    const float c = kMoonSize / 2.f, r = 22;
    moon.Glow(c, c, c, Hex(0xB9C6FF), 0.36f);
    moon.FillShape(Circle(c, c, r), Solid(Hex(0x283056)), 0.55f);  // the unlit side, faintly
    moon.FillShape(Subtract(Circle(c, c, r), Circle(c + 10, c - 7, r - 1)),
                   VerticalGradient(c - r, c + r, Hex(0xFBF6E2), Hex(0xE2DCC0)), 1, 1.2f);
    return moon.ToAlphaImage();
}

AlphaImage Hills() {
    Layer hills(kHillsWidth, kHillsHeight);
    // Haze over the horizon behind the far ridge.
    hills.FillShape(Below([](float) { return 70.f; }), VerticalGradient(70, 150, Hex(0x2C2D5C), Hex(0x46457E)), 0.6f,
                    40);
    const auto far = Ridge(104, 22, 220, 14, 45, 41), middle = Ridge(138, 14, 220, 8, 45, 51),
               near = Ridge(170, 10, 220, 5, 45, 61);
    hills.FillShape(Below(far), VerticalGradient(80, 208, Hex(0x2E3468), Hex(0x3A3A6E)));
    hills.FillShape(Below(middle), VerticalGradient(120, 208, Hex(0x1B2048), Hex(0x242656)));
    hills.FillShape(Below(near), VerticalGradient(160, 208, Hex(0x0D1030), Hex(0x10122E)));
    // A few lit windows on the near hill.
    const float windows[][2] = {{180, 6}, {196, 9}, {612, 7}, {868, 5}, {884, 8}};
    for (const auto& [x, depth] : windows) {
        const float y = near(x) + depth;
        hills.Glow(x, y, 7, Hex(0xFFC070), 0.35f);
        hills.FillShape(RoundRect(x - 1.5f, y - 1.5f, x + 1.5f, y + 1.5f, 0.5f), Solid(Hex(0xFFD68A)));
    }
    return hills.ToAlphaImage();
}

// Five points around the centre, outer and inner corners taking turns.
Shape StarShape(float cx, float cy, float outer, float inner) {
    std::vector<std::pair<float, float>> corners;
    for (int k = 0; k < 10; ++k) {
        const float angle = -kHalfPi + static_cast<float>(k) * 0.6283185f;
        const float radius = k % 2 ? inner : outer;
        corners.emplace_back(cx + radius * Cosine(angle), cy + radius * Sine(angle));
    }
    return Polygon(std::move(corners));
}

// A dark glass button with a pale gold star; the star lights up under the
// mouse and the button sinks when pressed.
AlphaImage Button(HotspotLook look) {
    Layer button(kButtonSize, kButtonSize);
    const float c = kButtonSize / 2.f, r = 13;
    const bool over = look == HotspotLook::MouseOver, pressed = look == HotspotLook::Pressed;
    if (over) button.FillShape(Circle(c, c, r), Solid(Hex(0xFFE3A0)), 0.6f, 6);
    if (!pressed) button.FillShape(Circle(c, c + 1.5f, r), Solid(Hex(0x000000)), 0.4f, 3);
    const Rgb light = Hex(over ? 0x3D4888 : 0x333C74), dark = Hex(pressed ? 0x12152F : 0x1A1E44);
    button.FillShape(Circle(c, c, r), pressed ? VerticalGradient(c - r, c + r, dark, light)
                                              : VerticalGradient(c - r, c + r, light, dark));
    button.FillShape(Subtract(Circle(c, c, r), Circle(c, c, r - 1)), Solid(Hex(0x7882C8)), 0.8f);
    const float y = pressed ? c + 1.5f : c + 0.5f;
    if (over) button.Glow(c, y, 11, Hex(0xFFE7A8), 0.5f);
    button.FillShape(StarShape(c, y, 8, 3.4f), Solid(Hex(over ? 0xFFF2C4 : 0xF2D994)));
    return button.ToAlphaImage();
}

CScheme::ColourMap Colours() {
    // 0 and 1 trade places: the paper is dark and the ink light, so that
    // selections and reversed text, which swap them, stay readable.
    return {
        RgbColour(18, 22, 44),    RgbColour(226, 230, 240), RgbColour(140, 156, 226), RgbColour(112, 204, 132),
        RgbColour(255, 116, 116), RgbColour(222, 146, 118), RgbColour(212, 144, 232), RgbColour(255, 172, 84),
        RgbColour(248, 224, 112), RgbColour(156, 236, 112), RgbColour(92, 204, 204),  RgbColour(124, 230, 242),
        RgbColour(118, 172, 255), RgbColour(255, 128, 222), RgbColour(156, 164, 184), RgbColour(202, 208, 220),
    };
}

}  // namespace

CScheme MakeNightScheme() {
    CScheme scheme;
    scheme.SetBackground(RgbColour(14, 18, 40));
    scheme.SetColours(Colours());
    scheme.SetUsage({.channels = {}, .privateChats = {"*"}, .builtInWindows = {}, .servers = {"*"}});
    SetCardText(scheme);

    AddImage(scheme, "Sky", SkyGradient(Hex(0x070A1A), Hex(0x111735), Hex(0x2C2D5C), 0.55f), WholeWindow());
    AddImage(scheme, "Stars", Stars(), FixedSize(FromTopLeft(0, 0), kStarsWidth, kStarsHeight));
    AddImage(scheme, "Moon", Moon(), FixedSize(FromTopRight(kMoonSize + 40, 0), kMoonSize, kMoonSize));
    AddImage(scheme, "Hills", Hills(), BottomBand(kHillsShare));
    AddRoundPanel(scheme, "Card", {.insets = kCardInsets, .radius = kCardRadius, .opacity = 140,
                                   .colour = RgbColour(6, 8, 22), .edgeOpacity = 64,
                                   .edgeColour = RgbColour(140, 150, 220)});
    AddButton(scheme, {.name = "Star",
                       .topLeft = ButtonCorner(kButtonSize),
                       .normal = Button(HotspotLook::Normal),
                       .mouseOver = Button(HotspotLook::MouseOver),
                       .pressed = Button(HotspotLook::Pressed),
                       .soundEvent = 0,
                       .soundFile = "night-twinkle.wav",
                       .wave = NightTwinkle(),
                       .command = "/echo Night, a sample scheme for private chats. Type /SchemeEdit to change it "
                                  "or to make your own."});
    return scheme;
}

}  // namespace parlevox::schemegen
