// Calm: a pale morning sky over soft hills, a translucent white card behind
// the text, and a small sun button in the bottom right corner.
#include "schemes/SampleSchemes.h"
#include "schemes/SchemeArt.h"
#include "schemes/SchemeBuilding.h"
#include "schemes/SchemeSounds.h"

namespace parlevox::schemegen {
namespace {

// The hills keep their proportions: as wide as the window, a fixed share
// of its width high (52/256 of 1024 is 208).
constexpr int kHillsWidth = 1024, kHillsHeight = 208, kHillsShare = 52;
// Clouds along the top, likewise (40/256 of 1024 is 160).
constexpr int kCloudsWidth = 1024, kCloudsHeight = 160, kCloudsShare = 40;
constexpr int kButtonSize = 36;

// A few flat, soft clouds: overlapping puffs, taller in the middle, on a
// level base.
AlphaImage Clouds() {
    Layer clouds(kCloudsWidth, kCloudsHeight);
    struct Cloud {
        float x, y, width;
    } const placed[] = {{150, 62, 200}, {470, 108, 120}, {700, 54, 160}, {910, 96, 180}};
    uint32_t seed = 3;
    for (const Cloud& cloud : placed) {
        const float left = cloud.x - cloud.width / 2, right = cloud.x + cloud.width / 2;
        std::vector<Shape> puffs{Capsule(left, cloud.y - 6, right, cloud.y - 6, 10)};
        const int count = static_cast<int>(cloud.width / 30);
        for (int i = 0; i < count; ++i) {
            const float t = (static_cast<float>(i) + 0.5f) / static_cast<float>(count);
            const float bulge = 1 - (2 * t - 1) * (2 * t - 1);
            const float radius = 9 + 16 * bulge * (0.75f + 0.25f * Hash01(seed++));
            puffs.push_back(Circle(left + t * cloud.width, cloud.y - radius * 0.6f, radius));
        }
        const Shape cut = RoundRect(left - 40, cloud.y, right + 40, cloud.y + 80, 0);
        const Box box{static_cast<int>(left) - 30, static_cast<int>(cloud.y) - 50, static_cast<int>(right) + 30,
                      static_cast<int>(cloud.y) + 10};
        clouds.FillShape(Subtract(Union(std::move(puffs)), cut), Solid(Hex(0xFFFFFF)), 0.7f, 6, box);
    }
    return clouds.ToAlphaImage();
}

// A ridge line: a base height and slow, then quicker, noise.

AlphaImage Hills() {
    Layer hills(kHillsWidth, kHillsHeight);
    const float sunX = 760, sunY = 66;
    hills.Glow(sunX, sunY, 64, Hex(0xFFE2B0), 0.7f);
    hills.FillShape(Circle(sunX, sunY, 20), Solid(Hex(0xFFEFD2)), 1, 1.5f);
    struct Band {
        float base, swell, ripple;
        unsigned ridgeColour, footColour;
    } const bands[] = {
        {98, 20, 10, 0xA9C3DA, 0xD9E5EE},
        {128, 16, 8, 0x8DBDC0, 0xC6DDDA},
        {158, 12, 6, 0x74B394, 0xADD2B8},
        {186, 8, 4, 0x5FA383, 0x84BE9C},
    };
    uint32_t seed = 11;
    for (const Band& band : bands) {
        hills.FillShape(Below(Ridge(band.base, band.swell, 260, band.ripple, 70, seed)),
                        VerticalGradient(band.base - band.swell, kHillsHeight, Hex(band.ridgeColour),
                                         Hex(band.footColour)));
        seed += 10;
    }
    return hills.ToAlphaImage();
}

// A pale pebble with a small sun on it; brighter with a warm halo under
// the mouse, pressed in when clicked.
AlphaImage Button(HotspotLook look) {
    Layer button(kButtonSize, kButtonSize);
    const float c = kButtonSize / 2.f, r = 13;
    const bool over = look == HotspotLook::MouseOver, pressed = look == HotspotLook::Pressed;
    if (over) button.FillShape(Circle(c, c, r), Solid(Hex(0xFFC46E)), 0.9f, 6);
    if (!pressed) button.FillShape(Circle(c, c + 1.5f, r), Solid(Hex(0x36566A)), 0.22f, 3);
    const Rgb light = Hex(over ? 0xFFFFFF : 0xFBFDFE), shade = Hex(pressed ? 0xC9DCE6 : 0xD9E8EF);
    button.FillShape(Circle(c, c, r), pressed ? VerticalGradient(c - r, c + r, shade, light)
                                              : VerticalGradient(c - r, c + r, light, shade));
    button.FillShape(Subtract(Circle(c, c, r), Circle(c, c, r - 1)), Solid(Hex(0x7FA6BB)), 0.8f);
    const float y = pressed ? c + 1 : c;
    const Rgb sun = Hex(over ? 0xF39A2B : 0xE9A24E);
    button.FillShape(Circle(c, y, 4.5f), Solid(sun));
    for (int ray = 0; ray < 8; ++ray) {
        const float angle = static_cast<float>(ray) * 0.785398f;
        const float dx = Cosine(angle), dy = Sine(angle);
        const float outer = over ? 10 : 9.5f;
        button.FillShape(Capsule(c + dx * 7, y + dy * 7, c + dx * outer, y + dy * outer, 0.9f), Solid(sun));
    }
    return button.ToAlphaImage();
}

CScheme::ColourMap Colours() {
    // Each index keeps its hue, dark enough to read over the hills through
    // the card.
    return {
        RgbColour(255, 255, 255), RgbColour(34, 40, 49),   RgbColour(30, 56, 122),   RgbColour(20, 104, 60),
        RgbColour(182, 30, 30),   RgbColour(136, 48, 28),  RgbColour(126, 52, 150), RgbColour(178, 86, 0),
        RgbColour(128, 100, 0),   RgbColour(36, 108, 14),  RgbColour(0, 104, 108),  RgbColour(0, 104, 140),
        RgbColour(30, 82, 206),   RgbColour(164, 30, 136), RgbColour(84, 92, 104),  RgbColour(168, 174, 184),
    };
}

}  // namespace

CScheme MakeCalmScheme() {
    CScheme scheme;
    scheme.SetBackground(RgbColour(237, 243, 247));
    scheme.SetColours(Colours());
    scheme.SetUsage({.channels = {"*"}, .privateChats = {}, .builtInWindows = {}, .servers = {"*"}});
    SetCardText(scheme);

    AddImage(scheme, "Sky", SkyGradient(Hex(0xBFD8EE), Hex(0xE6EFF6), Hex(0xFBEFDD), 0.6f), WholeWindow());
    AddImage(scheme, "Clouds", Clouds(), TopBand(kCloudsShare));
    AddImage(scheme, "Hills", Hills(), BottomBand(kHillsShare));
    AddRoundPanel(scheme, "Card", {.insets = kCardInsets, .radius = kCardRadius, .opacity = 156,
                                   .colour = RgbColour(255, 255, 255), .edgeOpacity = 110,
                                   .edgeColour = RgbColour(150, 180, 200)});
    AddButton(scheme, {.name = "Sun",
                       .topLeft = ButtonCorner(kButtonSize),
                       .normal = Button(HotspotLook::Normal),
                       .mouseOver = Button(HotspotLook::MouseOver),
                       .pressed = Button(HotspotLook::Pressed),
                       .soundEvent = 1,
                       .soundFile = "calm-chime.wav",
                       .wave = CalmChime(),
                       .command = "/echo Calm, a sample scheme for channel windows. Type /SchemeEdit to change it "
                                  "or to make your own."});
    return scheme;
}

}  // namespace parlevox::schemegen
