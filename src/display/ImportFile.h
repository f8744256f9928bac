#pragma once
// A file a picture is imported from, read in pieces at given offsets so that
// a huge or lying file never makes the client read more than it needs.
#include <cstdint>
#include <optional>
#include <string>

namespace parlevox {

class ImportFile {
public:
    // Anything but a regular file counts as a file that cannot be opened.
    explicit ImportFile(const std::string& path);
    ~ImportFile();
    ImportFile(const ImportFile&) = delete;
    ImportFile& operator=(const ImportFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The file's length; nothing when the system cannot tell.
    std::optional<uint64_t> Size() const;
    // Up to count bytes from offset: fewer at the end of the file, nothing on
    // a read error.
    std::optional<std::string> ReadAt(uint64_t offset, size_t count) const;

private:
    int fd_ = -1;
};

}  // namespace parlevox
