#pragma once
// The large pictures: the start-up title screen, the installer's
// background and the default 48 x 48 icon.
#include "art/Canvas.h"
#include "art/TextRenderer.h"

namespace parlevox::art {

struct Fonts {
    TextRenderer& bold;
    TextRenderer& regular;
};

Canvas TitleScreen(const Fonts& fonts);
Canvas SetupScreen(const Fonts& fonts);
Canvas DefaultIcon();

}  // namespace parlevox::art
