// Scheme files from strangers. A file that reads is drawn, written and read
// again: the first rewrite puts the items in the order the reader makes
// them, after which writing and reading must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/InternalErrorReport.h"
#include "common/TextError.h"
#include "display/SchemeFile.h"
#include "display/SchemeFileTexts.h"
#include "FuzzFail.h"

namespace parlevox {
namespace {

constexpr const char* kTarget = "fuzz_scheme_files";

void Draw(const CScheme& scheme) {
    CRawBitmap target = CRawBitmap::TrueColour(37, 23);
    scheme.Draw(target, 37, 23, 0, 0, {0, false});
}

// The bytes of the scheme written; nothing when it is too large to write.
bool Write(const CScheme& scheme, std::string& bytes) {
    try {
        bytes = SchemeFileBytes(scheme);
        return true;
    } catch (const TextError& error) {
        if (std::string_view(error.Text()) != texts::kSchemeWriteError) FuzzFail(kTarget, "a scheme does not compress");
        return false;
    }
}

CScheme ReadBack(const std::string& bytes) {
    try {
        return SchemeFromBytes(bytes);
    } catch (const TextError&) {
        FuzzFail(kTarget, "a written scheme does not read back");
    }
}

}  // namespace
}  // namespace parlevox

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    static const bool quiet = [] {
        SetInternalErrorSink([](const MessageBoxRequest&) {});  // short records are reported on every run
        return true;
    }();
    (void)quiet;
    CScheme scheme;
    try {
        scheme = SchemeFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const TextError&) {
        return 0;
    }
    Draw(scheme);
    std::string first, second, third;
    if (!Write(scheme, first) || !Write(ReadBack(first), second) || !Write(ReadBack(second), third)) return 0;
    if (second != third) FuzzFail(kTarget, "a written scheme reads back differently");
    return 0;
}
