// The argument text a script hands to "/run", split into the words a
// program gets: whatever the text, the words never hold more bytes than it
// (quotes and escapes only ever go).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "commands/RunPermissions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto words = parlevox::SplitRunArguments(text);
    if (!words) return 0;
    size_t total = 0;
    for (const std::string& word : *words) total += word.size();
    if (total > text.size()) std::abort();
    return 0;
}
