#include "installer/SetupArchive.h"

namespace parlevox {

uint64_t SetupDirectory::TotalBlockBytes() const {
    uint64_t total = 0;
    for (const SetupFileEntry& file : files) total += file.blockSize;
    return total;
}

}  // namespace parlevox
