// The settings text reader, and a round trip: whatever it reads, writing it
// out and reading that back must give the same tree, with no line skipped.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/RegeditText.h"
#include "platform/Registry.h"
#include "FuzzFail.h"

namespace parlevox {
namespace {

bool SameTree(const RegistryKey& a, const RegistryKey& b) {
    if (a.name != b.name || a.values != b.values || a.subkeys.size() != b.subkeys.size()) return false;
    for (auto x = a.subkeys.begin(), y = b.subkeys.begin(); x != a.subkeys.end(); ++x, ++y)
        if (!SameTree(*x->second, *y->second)) return false;
    return true;
}

}  // namespace
}  // namespace parlevox

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    RegistryKey first;
    RegeditText::Read(text, first);
    const std::string written = RegeditText::Write(first);

    RegistryKey second;
    if (RegeditText::Read(written, second).skippedLines != 0) FuzzFail("fuzz_regedit", "the written text has lines it cannot read");
    if (!SameTree(first, second)) FuzzFail("fuzz_regedit", "the tree read back differs");
    if (RegeditText::Write(second) != written) FuzzFail("fuzz_regedit", "the text written again differs");
    return 0;
}
