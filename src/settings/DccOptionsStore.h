#pragma once
// The DCC control's options in the store: "DCC Filetypes" (with "Allow" and
// "Automatic"), "DCC Plug-ins", and the "Misc" values for reaching peers.
#include "dcc/DccOptions.h"
#include "platform/Registry.h"

namespace parlevox {

// A store without a table gives the single catch-all entry.
DccOptions LoadDccOptions(Registry& registry);
void SaveDccOptions(Registry& registry, const DccOptions& options);

}  // namespace parlevox
