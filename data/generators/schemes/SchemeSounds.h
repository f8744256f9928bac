#pragma once
// The sample schemes' hot spot sounds, as complete 16-bit PCM wave files.
#include <string>

namespace parlevox::schemegen {

// Two soft bell notes a fifth apart, rising.
std::string CalmChime();
// Three quick, quiet high notes, falling.
std::string NightTwinkle();

}  // namespace parlevox::schemegen
