#pragma once
// The two sample schemes the client ships: Calm, light, for channel
// windows; Night, dark, for private chats. Their file names are the ones
// the first start installs.
#include "display/Scheme.h"

namespace parlevox::schemegen {

inline constexpr const char* kCalmFileName = "Calm.ParlevoxScheme";
inline constexpr const char* kNightFileName = "Night.ParlevoxScheme";

CScheme MakeCalmScheme();
CScheme MakeNightScheme();

}  // namespace parlevox::schemegen
