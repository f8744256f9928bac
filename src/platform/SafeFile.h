#pragma once
// Files the client writes reach the disk whole or not at all: the bytes go
// to "<path>.tmp", are flushed, and the temporary file is renamed over the
// old one, so a crash leaves either the old or the new file, never half.
#include <optional>
#include <string>
#include <string_view>

namespace parlevox {

class SafeFile {
public:
    // mkdir -p; true when the folder exists afterwards.
    static bool CreateFolders(const std::string& path);
    // .tmp, fsync, rename, fsync of the folder; creates the folder first.
    static bool WriteAtomically(const std::string& path, std::string_view bytes);
    // The whole file; nothing when it cannot be read. missing is set when
    // the file simply does not exist.
    static std::optional<std::string> ReadAll(const std::string& path, bool* missing = nullptr);
    // The folder part of a path ("" for a bare name).
    static std::string FolderOf(const std::string& path);
    static bool IsFolder(const std::string& path);
    // write() until every byte is out, through interruptions.
    static bool WriteFully(int fd, std::string_view bytes);
};

}  // namespace parlevox
