// Scheme files from strangers. An input that begins with the header text is
// a file; any other is a record count and record data, compressed here so
// that mutations reach the records behind the checksum. A scheme that reads
// is drawn, written and read again: the first rewrite puts the items in the
// order the reader makes them, after which writing and reading must give
// the same bytes.
#include <zlib.h>

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
constexpr std::string_view kHeader{"Scheme file 1.0\0", 16};

std::string AsFile(std::string_view input) {
    if (input.starts_with(kHeader) || input.size() < 4) return std::string(input);
    std::string_view records = input.substr(4);
    uLongf packedSize = compressBound(records.size());
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(records.data()),
              records.size(), 1);
    packed.resize(packedSize);
    const auto size = static_cast<uint32_t>(records.size());
    const char sizeBytes[4] = {static_cast<char>(size), static_cast<char>(size >> 8), static_cast<char>(size >> 16),
                               static_cast<char>(size >> 24)};
    return std::string(kHeader) + std::string(input.substr(0, 4)) + std::string(sizeBytes, 4) + packed;
}

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
        scheme = SchemeFromBytes(AsFile(std::string_view(reinterpret_cast<const char*>(data), size)));
    } catch (const TextError&) {
        return 0;
    }
    Draw(scheme);
    std::string first, second, third;
    if (!Write(scheme, first) || !Write(ReadBack(first), second) || !Write(ReadBack(second), third)) return 0;
    if (second != third) FuzzFail(kTarget, "a written scheme reads back differently");
    return 0;
}
