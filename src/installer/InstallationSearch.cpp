#include "installer/InstallationSearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace parlevox {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The entry's type without following a link (d_type may be unknown on some
// file systems).
unsigned char EntryType(int folderFd, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) return entry.d_type;
    struct stat info {};
    if (fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return DT_UNKNOWN;
    if (S_ISDIR(info.st_mode)) return DT_DIR;
    if (S_ISREG(info.st_mode)) return DT_REG;
    return DT_UNKNOWN;
}

bool HoldsClientAt(int folderFd) {
    struct stat info {};
    return fstatat(folderFd, InstallationSearch::kClientFile, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(info.st_mode);
}

// Depth first, in the order the folders list their entries. Folders are
// opened relative to their parent and never through a link, so the walk
// cannot leave the tree it started in.
class HomeWalk {
public:
    explicit HomeWalk(InstallationSearchLimits limits) : limits_(limits) {}

    std::optional<std::string> Walk(int folderFd, const std::string& path, int depth) {
        DIR* folder = fdopendir(folderFd);
        if (!folder) {
            close(folderFd);
            return std::nullopt;
        }
        std::optional<std::string> found;
        while (!found && !exhausted_) {
            const dirent* entry = readdir(folder);
            if (!entry) break;
            found = Visit(dirfd(folder), *entry, path, depth);
        }
        closedir(folder);
        return found;
    }

private:
    std::optional<std::string> Visit(int folderFd, const dirent& entry, const std::string& path, int depth) {
        const std::string name = entry.d_name;
        if (name == "." || name == "..") return std::nullopt;
        if (++entries_ > limits_.maxEntries) {
            exhausted_ = true;
            return std::nullopt;
        }
        if (name[0] == '.') return std::nullopt;
        unsigned char type = EntryType(folderFd, entry);
        if (type == DT_REG && strcasecmp(name.c_str(), InstallationSearch::kMarkerFile) == 0)
            return HoldsClientAt(folderFd) ? std::optional<std::string>(path) : std::nullopt;
        if (type != DT_DIR || depth >= limits_.maxDepth) return std::nullopt;
        int child = openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0) return std::nullopt;
        return Walk(child, path + "/" + name, depth + 1);
    }

    InstallationSearchLimits limits_;
    size_t entries_ = 0;
    bool exhausted_ = false;
};

}  // namespace

std::string InstallationSearch::HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return WithoutTrailingSlashes(home);
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? WithoutTrailingSlashes(entry->pw_dir) : "";
}

std::string InstallationSearch::DefaultFolder() {
    std::string dataHome = Environment("XDG_DATA_HOME");
    if (!dataHome.empty()) return WithoutTrailingSlashes(dataHome) + "/parlevox";
    return HomeFolder() + "/.local/share/parlevox";
}

bool InstallationSearch::HoldsMarker(const std::string& folder) {
    return IsRegularFile(folder + "/" + kMarkerFile);
}

bool InstallationSearch::HoldsInstallation(const std::string& folder) {
    return HoldsMarker(folder) && IsRegularFile(folder + "/" + kClientFile);
}

std::optional<std::string> InstallationSearch::Find(const std::string& homeFolder, const std::string& defaultFolder,
                                                    InstallationSearchLimits limits) {
    if (!defaultFolder.empty() && HoldsInstallation(defaultFolder)) return WithoutTrailingSlashes(defaultFolder);
    const std::string home = WithoutTrailingSlashes(homeFolder);
    if (home.empty() || home == "/") return std::nullopt;  // never the whole file system
    int homeFd = open(home.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (homeFd < 0) return std::nullopt;
    return HomeWalk(limits).Walk(homeFd, home, 0);
}

}  // namespace parlevox
