#pragma once
// The settings file the installer applies ("Parlevox.reg"): key lines
// "[ROOT\path]" and value lines "\"name\"=\"text\"" (the text as written,
// no escapes) or "\"name\"=dword:hex". Keys under HKEY_CURRENT_USER go to
// the settings store; HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT are accepted
// and their values dropped (nothing on Linux reads them). Any other root or
// a malformed value fails the whole import. In an upgrade a line starting
// with "!" ends it; a line of 512 characters or more, or a last line
// without a line end, ends it too, successfully.
#include <string_view>

#include "platform/Registry.h"

namespace parlevox {

// False when the import failed; what was applied before the failure stays
// in the store (the caller decides whether to save).
bool ImportSetupSettings(std::string_view text, bool upgrade, Registry& store);

}  // namespace parlevox
