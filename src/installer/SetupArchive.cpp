#include "installer/SetupArchive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <zlib.h>

#include <algorithm>
#include <cerrno>

namespace parlevox {
namespace {

// Any 19-digit number fits in 64 bits, so a longer one is refused before
// it could overflow.
constexpr size_t kMaxNumberDigits = 19;
constexpr size_t kLengthField = 4;
constexpr std::string_view kTrailerEnd = "end";
// The trailer's tab, digits and "end" are all inside the file's last bytes.
constexpr size_t kTrailerWindow = 10;

std::optional<uint64_t> ParseNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxNumberDigits) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}

// Cuts the text up to the next tab off the front; nothing when no tab is left.
std::optional<std::string_view> TakeField(std::string_view& text) {
    const size_t tab = text.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    std::string_view field = text.substr(0, tab);
    text.remove_prefix(tab + 1);
    return field;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsSafeComponent(std::string_view part) {
    if (part.empty() || part == "." || part == "..") return false;
    for (char c : part)
        if (static_cast<unsigned char>(c) < 32) return false;
    return true;
}

bool IsValidEntryText(std::string_view text, bool subfolder) {
    return text.size() <= SetupArchive::kMaxNameLength && SetupArchive::IsSafeName(text, subfolder);
}

// The largest data block a file within the size cap can need.
uint64_t MaxBlockSize() { return kLengthField + compressBound(SetupArchive::kMaxFileSize); }

// The buffer grows with what the stream gives, never past the stated
// length, so a short stream claiming a large file costs little memory.
std::optional<std::string> InflateInto(z_stream& z, uint32_t length) {
    constexpr size_t kFirstChunk = 64 * 1024;
    std::string bytes;
    char spare = 0;  // zlib wants somewhere to write even when the buffer is full
    int result = Z_OK;
    while (result == Z_OK) {
        const size_t produced = bytes.size() - z.avail_out;
        if (z.avail_out == 0 && produced < length) {
            bytes.resize(produced + std::min<size_t>(length - produced, std::max(kFirstChunk, produced)));
            z.avail_out = static_cast<uInt>(bytes.size() - produced);
        }
        z.next_out = reinterpret_cast<Bytef*>(z.avail_out > 0 ? bytes.data() + produced : &spare);
        result = inflate(&z, Z_NO_FLUSH);  // Z_BUF_ERROR once no progress is possible
    }
    // The stream must end exactly when the stated length is filled.
    if (result != Z_STREAM_END || z.avail_out != 0 || bytes.size() != length || z.avail_in != 0)
        return std::nullopt;
    return bytes;
}

class FileDescriptor {
public:
    explicit FileDescriptor(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    // The size of a regular file; nothing for anything else.
    std::optional<uint64_t> Size() const {
        struct stat info {};
        if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
        return static_cast<uint64_t>(info.st_size);
    }

    bool ReadAt(uint64_t offset, char* out, size_t count) const {
        while (count > 0) {
            const ssize_t got = ::pread(fd_, out, count, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;  // an error, or the file shrank
            out += got;
            offset += static_cast<uint64_t>(got);
            count -= static_cast<size_t>(got);
        }
        return true;
    }

private:
    int fd_;
};

// The list after the first offset: "name\tsubfolder\tsize\t" per file, then
// the closing tab. Each block starts where the previous one ended and all
// must end by limit (the directory's first byte).
std::optional<SetupDirectory> ParseEntries(std::string_view text, uint64_t offset, uint64_t limit) {
    SetupDirectory directory;
    while (text != "\t") {
        std::optional<std::string_view> name = TakeField(text);
        std::optional<std::string_view> subfolder = TakeField(text);
        std::optional<std::string_view> sizeText = TakeField(text);
        if (!sizeText) return std::nullopt;  // also a last entry without its size
        std::optional<uint64_t> size = ParseNumber(*sizeText);
        if (!size || *size < kLengthField || *size > limit - offset) return std::nullopt;
        if (!IsValidEntryText(*name, false) || !IsValidEntryText(*subfolder, true)) return std::nullopt;
        directory.files.push_back({std::string(*name), std::string(*subfolder), offset, *size});
        offset += *size;
    }
    return directory;
}

}  // namespace

std::optional<SetupDirectory> SetupArchive::ParseDirectory(std::string_view tail, uint64_t fileSize) {
    if (tail.size() > fileSize || tail.size() > kMaxDirectoryRead) return std::nullopt;
    std::string_view last = tail.substr(tail.size() - std::min(tail.size(), kTrailerWindow));
    if (!last.ends_with(kTrailerEnd)) return std::nullopt;
    last.remove_suffix(kTrailerEnd.size());
    const size_t tab = last.rfind('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    const std::string_view digits = last.substr(tab + 1);
    // The window leaves room for six digits at most: N cannot overflow.
    const std::optional<uint64_t> n = ParseNumber(digits);
    if (!n || *n <= kTrailerEnd.size()) return std::nullopt;
    const uint64_t read = digits.size() + *n;
    if (read > kMaxDirectoryRead || read > tail.size()) return std::nullopt;

    // The text ends in the tab just found, right before the digits.
    std::string_view text = tail.substr(tail.size() - read, *n - kTrailerEnd.size());
    const std::optional<std::string_view> offsetText = TakeField(text);
    if (!offsetText) return std::nullopt;
    const std::optional<uint64_t> offset = ParseNumber(*offsetText);
    const uint64_t limit = fileSize - read;
    if (!offset || *offset > limit || text.empty()) return std::nullopt;
    return ParseEntries(text, *offset, limit);
}

std::optional<SetupDirectory> SetupArchive::ReadDirectory(const std::string& installerPath) {
    const FileDescriptor file(installerPath);
    const std::optional<uint64_t> size = file.Size();
    if (!size) return std::nullopt;
    std::string tail(static_cast<size_t>(std::min<uint64_t>(*size, kMaxDirectoryRead)), '\0');
    if (!file.ReadAt(*size - tail.size(), tail.data(), tail.size())) return std::nullopt;
    return ParseDirectory(tail, *size);
}

std::optional<std::string> SetupArchive::ReadBlock(const std::string& installerPath, const SetupFileEntry& entry) {
    const FileDescriptor file(installerPath);
    const std::optional<uint64_t> size = file.Size();
    if (!size || entry.offset > *size || entry.blockSize > *size - entry.offset) return std::nullopt;
    if (entry.blockSize < kLengthField || entry.blockSize > MaxBlockSize()) return std::nullopt;
    std::string block(static_cast<size_t>(entry.blockSize), '\0');
    if (!file.ReadAt(entry.offset, block.data(), block.size())) return std::nullopt;
    return block;
}

std::optional<std::string> SetupArchive::ReadImage(const std::string& installerPath, uint64_t imageSize) {
    const FileDescriptor file(installerPath);
    const std::optional<uint64_t> size = file.Size();
    if (!size || imageSize > *size) return std::nullopt;
    std::string image(static_cast<size_t>(imageSize), '\0');
    if (!file.ReadAt(0, image.data(), image.size())) return std::nullopt;
    return image;
}

std::optional<std::string> SetupArchive::Inflate(std::string_view block) {
    if (block.size() < kLengthField || block.size() > MaxBlockSize()) return std::nullopt;
    const auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(block[i])); };
    const uint32_t length = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    if (length > kMaxFileSize) return std::nullopt;  // before anything is allocated
    const std::string_view stream = block.substr(kLengthField);

    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
    z.avail_in = static_cast<uInt>(stream.size());
    std::optional<std::string> bytes = InflateInto(z, length);
    inflateEnd(&z);
    return bytes;
}

bool SetupArchive::IsSafeName(std::string_view name, bool subfolder) {
    if (!subfolder) return name.find_first_of("/\\") == std::string_view::npos && IsSafeComponent(name);
    if (name.empty()) return true;  // the install folder itself
    // Every component must be a plain name: this refuses "..", a leading
    // separator (an absolute path) and doubled or trailing separators.
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsSeparator(name[i])) continue;
        if (!IsSafeComponent(name.substr(start, i - start))) return false;
        start = i + 1;
    }
    return true;
}

uint64_t SetupDirectory::TotalBlockBytes() const {
    uint64_t total = 0;
    for (const SetupFileEntry& file : files) total += file.blockSize;
    return total;
}

}  // namespace parlevox
