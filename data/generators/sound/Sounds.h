#pragma once
// The eight built-in sounds, by number.
#include "sound/Synth.h"

namespace parlevox::sound {

Buffer Click();
Buffer Tock();
Buffer QuietSwoosh();
Buffer ClickClick();
Buffer Thud();
Buffer Suction();
Buffer ElectronicRing();
Buffer DigestedByAlien();

}  // namespace parlevox::sound
