// The installer's archive read from hostile bytes: the input is the end of
// an installer file. A directory that is accepted only names safe files
// whose blocks lie before it, and a block only inflates to its stated length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "installer/SetupArchive.h"
#include "FuzzFail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using parlevox::SetupArchive;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view tail = bytes.substr(size - std::min(size, SetupArchive::kMaxDirectoryRead));
    if (const auto directory = SetupArchive::ParseDirectory(tail, size)) {
        uint64_t end = directory->files.empty() ? 0 : directory->files.front().offset;
        for (const parlevox::SetupFileEntry& file : directory->files) {
            if (file.offset != end || file.blockSize < 4) parlevox::FuzzFail("fuzz_setup_archive", "blocks out of order");
            end += file.blockSize;
            if (!SetupArchive::IsSafeName(file.name, false) || !SetupArchive::IsSafeName(file.subfolder, true))
                parlevox::FuzzFail("fuzz_setup_archive", "an unsafe name accepted");
            const auto inflated = SetupArchive::Inflate(bytes.substr(file.offset, file.blockSize));
            if (inflated && inflated->size() > SetupArchive::kMaxFileSize)
                parlevox::FuzzFail("fuzz_setup_archive", "a file over the cap");
        }
        if (end > size) parlevox::FuzzFail("fuzz_setup_archive", "a block past the end of the file");
    }
    if (const auto inflated = SetupArchive::Inflate(bytes)) {
        const auto byte = [&](size_t i) { return static_cast<uint32_t>(data[i]); };
        if (inflated->size() != (byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24))
            parlevox::FuzzFail("fuzz_setup_archive", "inflated to other than the stated length");
    }
    return 0;
}
