#include "platform/ProgramFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "platform/SafeFile.h"

namespace parlevox {
namespace {

std::optional<std::string> cachedFolder;

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The executable's folder when it is a portable install.
std::optional<std::string> PortableFolder() {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return std::nullopt;
    std::string folder = WithSlash(SafeFile::FolderOf(std::string(buffer, static_cast<size_t>(length))));
    struct stat info {};
    if (stat((folder + ProgramFolder::kPortableMarker).c_str(), &info) != 0) return std::nullopt;
    return folder;
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : ".";
}

std::string WorkOutFolder() {
    if (auto portable = PortableFolder()) return *portable;
    std::string folder = Environment("PARLEVOX_HOME");
    if (!folder.empty()) return WithSlash(folder);
    folder = Environment("XDG_DATA_HOME");
    if (!folder.empty()) return WithSlash(folder) + "parlevox/";
    return WithSlash(HomeFolder()) + ".local/share/parlevox/";
}

}  // namespace

const std::string& ProgramFolder::Path() {
    if (!cachedFolder) {
        cachedFolder = WorkOutFolder();
        // A folder that cannot be made shows up later as files that cannot
        // be opened, with the file's own message.
        SafeFile::CreateFolders(cachedFolder->substr(0, cachedFolder->size() - 1));
    }
    return *cachedFolder;
}

void ProgramFolder::Reset() {
    cachedFolder.reset();
}

std::string ProgramFolder::ToFileSystemPath(std::string_view storedPath) {
    std::string path(storedPath);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

std::string ProgramFolder::Resolve(std::string_view storedPath) {
    return ResolveIn(Path(), storedPath);
}

std::string ProgramFolder::ResolveIn(std::string_view folder, std::string_view storedPath) {
    std::string path = ToFileSystemPath(storedPath);
    if ((!path.empty() && path.front() == '/') || folder.empty()) return path;
    return WithSlash(std::string(folder)) + path;
}

std::string ProgramFolder::PortableInstall() {
    return PortableFolder().value_or(std::string());
}

}  // namespace parlevox
