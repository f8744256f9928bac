// parlevox-setup-pack: appends the archive of the files to install to the
// setup program.
//
//   parlevox-setup-pack OUT EXECUTABLE LISTFILE
//
// LISTFILE holds one file per line, "SOURCE<TAB>NAME<TAB>SUBFOLDER" (the
// subfolder may be empty; a relative SOURCE is taken from LISTFILE's
// folder). OUT is written whole or not at all, executable.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/SetupArchive.h"
#include "platform/SafeFile.h"

namespace {

using parlevox::SafeFile;
using parlevox::SetupArchive;

struct ListedFile {
    std::string source, name, subfolder;
};

bool Fail(const std::string& message) {
    std::fprintf(stderr, "parlevox-setup-pack: %s\n", message.c_str());
    return false;
}

std::optional<ListedFile> ParseListLine(std::string_view line, const std::string& folder, const std::string& where) {
    const size_t first = line.find('\t');
    const size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
    if (second == std::string_view::npos || line.find('\t', second + 1) != std::string_view::npos) {
        Fail(where + ": expected SOURCE<TAB>NAME<TAB>SUBFOLDER");
        return std::nullopt;
    }
    ListedFile file{std::string(line.substr(0, first)), std::string(line.substr(first + 1, second - first - 1)),
                    std::string(line.substr(second + 1))};
    if (file.source.empty()) {
        Fail(where + ": no source file");
        return std::nullopt;
    }
    if (file.source.front() != '/' && !folder.empty()) file.source = folder + "/" + file.source;
    const bool nameOk = file.name.size() <= SetupArchive::kMaxNameLength && SetupArchive::IsSafeName(file.name, false);
    const bool subfolderOk =
        file.subfolder.size() <= SetupArchive::kMaxNameLength && SetupArchive::IsSafeName(file.subfolder, true);
    if (!nameOk || !subfolderOk) {
        Fail(where + ": the " + (nameOk ? "subfolder" : "name") +
             " must be at most 39 characters and stay inside the install folder");
        return std::nullopt;
    }
    return file;
}

std::optional<std::vector<ListedFile>> ReadList(const std::string& path) {
    const std::optional<std::string> text = SafeFile::ReadAll(path);
    if (!text) {
        Fail("cannot read the list " + path);
        return std::nullopt;
    }
    std::vector<ListedFile> files;
    std::string_view rest = *text;
    for (int number = 1; !rest.empty(); ++number) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        std::optional<ListedFile> file = ParseListLine(line, SafeFile::FolderOf(path), path + ":" + std::to_string(number));
        if (!file) return std::nullopt;
        files.push_back(std::move(*file));
    }
    return files;
}

// A temporary file beside the target, made executable, renamed over it.
bool WriteExecutable(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Fail("cannot create a temporary file beside " + path);
    bool written = ::fchmod(fd, 0755) == 0;
    for (size_t done = 0; written && done < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        written = count > 0;
        if (written) done += static_cast<size_t>(count);
    }
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return Fail("cannot write " + path);
}

bool Pack(const std::string& out, const std::string& executablePath, const std::string& listPath) {
    const std::optional<std::string> executable = SafeFile::ReadAll(executablePath);
    if (!executable) return Fail("cannot read the executable " + executablePath);
    const std::optional<std::vector<ListedFile>> files = ReadList(listPath);
    if (!files) return false;
    parlevox::SetupArchiveWriter writer;
    for (const ListedFile& file : *files) {
        const std::optional<std::string> bytes = SafeFile::ReadAll(file.source);
        if (!bytes) return Fail("cannot read " + file.source);
        if (bytes->size() > SetupArchive::kMaxFileSize) return Fail(file.source + " is larger than 1 GiB");
        writer.Add(file.name, file.subfolder, *bytes);
    }
    const std::optional<std::string> archive = writer.Finish(executable->size());
    if (!archive) return Fail("the directory of " + std::to_string(files->size()) + " files would exceed 2047 bytes");
    return WriteExecutable(out, *executable + *archive);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: parlevox-setup-pack OUT EXECUTABLE LISTFILE\n"
                             "  LISTFILE: one line per file, SOURCE<TAB>NAME<TAB>SUBFOLDER\n");
        return 1;
    }
    return Pack(argv[1], argv[2], argv[3]) ? 0 : 1;
}
