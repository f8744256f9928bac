#pragma once
// The archive parlevox-setup carries after its own executable image:
//
//   file data   per file: a 4-byte little-endian length, then a zlib stream
//   directory   "<offset of the first file's data>\t" then per file
//               "<name>\t<subfolder>\t<block size>\t", then one more "\t"
//   trailer     "<N>end", N being the directory's length plus 3
//
// Every number and name in it is hostile until checked: the directory is
// read from at most the last 2047 bytes, names may not climb out of the
// install folder, blocks must lie inside the file and a stream may not
// inflate past its stated length or the size cap.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

struct SetupFileEntry {
    std::string name;       // at most kMaxNameLength characters
    std::string subfolder;  // "" for the install folder itself; "Tutorial\\IRC" style
    uint64_t offset = 0;     // of its data block in the installer file
    uint64_t blockSize = 0;  // the length field plus the stream
};

struct SetupDirectory {
    std::vector<SetupFileEntry> files;
    uint64_t TotalBlockBytes() const;
};

class SetupArchive {
public:
    static constexpr size_t kMaxDirectoryRead = 2047;
    static constexpr size_t kMaxNameLength = 39;
    static constexpr uint32_t kMaxFileSize = 1u << 30;  // what one file may inflate to

    // The directory of an installer file; nothing when it cannot be read or
    // anything in it is damaged or unsafe.
    static std::optional<SetupDirectory> ReadDirectory(const std::string& installerPath);
    // The same from the file's last bytes (tail holds min(2047, fileSize)
    // bytes, ending at the end of a file of fileSize bytes).
    static std::optional<SetupDirectory> ParseDirectory(std::string_view tail, uint64_t fileSize);

    // One file's data block; nothing when it cannot be read whole.
    static std::optional<std::string> ReadBlock(const std::string& installerPath, const SetupFileEntry& entry);
    // The installer's own executable image: the bytes before the archive.
    static std::optional<std::string> ReadImage(const std::string& installerPath, uint64_t imageSize);
    // A data block's file bytes; nothing unless the stream ends exactly
    // when the stated length is filled and that length is within the cap.
    static std::optional<std::string> Inflate(std::string_view block);

    // A name (or, with subfolder, a subfolder path) that stays inside the
    // install folder: no "." or ".." component, no absolute path, no empty
    // component, no byte below 32. Both "\\" and "/" separate a subfolder's
    // components; a file name holds neither. The empty subfolder is the
    // install folder itself; an empty name is refused.
    static bool IsSafeName(std::string_view name, bool subfolder);
};

class SetupArchiveWriter {
public:
    // Compresses the bytes at once (zlib level 9). A file over the size cap
    // makes Finish fail.
    void Add(std::string name, std::string subfolder, std::string_view bytes);
    // The archive to append to an executable image of executableSize bytes;
    // nothing when a name is unsafe or the directory would not fit.
    std::optional<std::string> Finish(uint64_t executableSize) const;

private:
    struct Pending {
        std::string name, subfolder, block;
    };
    std::vector<Pending> files_;
    bool failed_ = false;
};

}  // namespace parlevox
