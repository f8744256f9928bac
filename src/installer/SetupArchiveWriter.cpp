#include <zlib.h>

#include <string>

#include "installer/SetupArchive.h"

namespace parlevox {
namespace {

void AppendLength(std::string& out, uint32_t length) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((length >> shift) & 0xff);
}

}  // namespace

void SetupArchiveWriter::Add(std::string name, std::string subfolder, std::string_view bytes) {
    Pending file{std::move(name), std::move(subfolder), {}};
    if (bytes.size() > SetupArchive::kMaxFileSize) {
        failed_ = true;  // the reader would refuse it
        return;
    }
    uLongf packedSize = compressBound(bytes.size());
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(bytes.data()),
                  bytes.size(), Z_BEST_COMPRESSION) != Z_OK) {
        failed_ = true;
        return;
    }
    packed.resize(packedSize);
    AppendLength(file.block, static_cast<uint32_t>(bytes.size()));
    file.block += packed;
    files_.push_back(std::move(file));
}

std::optional<std::string> SetupArchiveWriter::Finish(uint64_t executableSize) const {
    if (failed_) return std::nullopt;
    std::string data;
    std::string directory = std::to_string(executableSize) + "\t";
    for (const Pending& file : files_) {
        if (file.name.size() > SetupArchive::kMaxNameLength || file.subfolder.size() > SetupArchive::kMaxNameLength ||
            !SetupArchive::IsSafeName(file.name, false) || !SetupArchive::IsSafeName(file.subfolder, true))
            return std::nullopt;
        directory += file.name + "\t" + file.subfolder + "\t" + std::to_string(file.block.size()) + "\t";
        data += file.block;
    }
    directory += "\t";
    const std::string n = std::to_string(directory.size() + 3);
    if (n.size() + directory.size() + 3 > SetupArchive::kMaxDirectoryRead) return std::nullopt;
    return data + directory + n + "end";
}

}  // namespace parlevox
