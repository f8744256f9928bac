#include "installer/SetupUninstall.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "installer/DesktopEntry.h"
#include "installer/InstallFolder.h"
#include "installer/SetupTexts.h"
#include "installer/UninstallRecord.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace texts = setup_texts;
namespace {

// Removes one entry below the folder (flags as unlinkat takes them),
// reaching it without following a link on the way.
bool RemoveInside(const std::string& folder, const std::string& relativePath, int flags) {
    if (!UninstallRecord::IsInsideFolder(relativePath)) return false;
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    size_t start = 0;
    for (size_t slash; fd >= 0 && (slash = relativePath.find('/', start)) != std::string::npos; start = slash + 1) {
        const std::string part = relativePath.substr(start, slash - start);
        int child = openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        close(fd);
        fd = child;
    }
    if (fd < 0) return false;
    bool removed = unlinkat(fd, relativePath.substr(start).c_str(), flags) == 0;
    close(fd);
    return removed;
}

size_t Depth(const std::string& path) {
    return static_cast<size_t>(std::count(path.begin(), path.end(), '/'));
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

}  // namespace

SetupUninstall::SetupUninstall(SetupFrontEnd& frontEnd, UninstallOptions options)
    : frontEnd_(frontEnd), options_(std::move(options)) {
    while (options_.folder.size() > 1 && options_.folder.back() == '/') options_.folder.pop_back();
}

int SetupUninstall::Run() {
    const std::string& folder = options_.folder;
    std::optional<std::string> text = SafeFile::ReadAll(folder + "/" + UninstallRecord::kFileName);
    std::optional<UninstallRecord> record = text ? UninstallRecord::Parse(*text) : std::nullopt;
    if (!record) {
        frontEnd_.ShowMessage({std::string(texts::kUninstallErrorTitle), texts::NoUninstallRecord(folder),
                               MessageIcon::Stop, MessageButtons::Ok});
        return 1;
    }
    if (frontEnd_.ShowMessage({std::string(texts::kUninstallTitle), texts::UninstallQuestion(folder),
                               MessageIcon::Question, MessageButtons::YesNo}) != MessageResult::Yes)
        return 0;
    RemoveFiles(record->files);
    RemoveInside(folder, UninstallRecord::kFileName, 0);
    RemoveFolders(record->files);
    RemoveMenuEntry(record->menuEntry, record->folder);
    const bool settingsRemoved = RemoveSettings(record->settingsKey);
    rmdir(folder.c_str());
    frontEnd_.ShowMessage({std::string(texts::kUninstalledTitle),
                           texts::Uninstalled(folder, FolderExists(folder), settingsRemoved),
                           MessageIcon::Information, MessageButtons::Ok});
    return 0;
}

void SetupUninstall::RemoveFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) RemoveInside(options_.folder, file, 0);
}

// The folders the installer made and those of the files it listed, deepest
// first; a folder still holding something stays.
void SetupUninstall::RemoveFolders(const std::vector<std::string>& files) {
    std::set<std::string> folders;
    for (const char* subfolder : InstallFolder::kSubfolders) folders.insert(InstallFolder::ToFileSystemPath(subfolder));
    for (const std::string& file : files)
        for (size_t slash = file.find('/'); slash != std::string::npos; slash = file.find('/', slash + 1))
            folders.insert(file.substr(0, slash));
    std::vector<std::string> ordered(folders.begin(), folders.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });
    for (const std::string& path : ordered) RemoveInside(options_.folder, path, AT_REMOVEDIR);
}

// Only an entry the installer wrote (for the folder as it was then), never
// through a link.
void SetupUninstall::RemoveMenuEntry(const std::string& path, const std::string& installedFolder) {
    if (path.empty() || path.front() != '/') return;
    struct stat info {};
    if (path.substr(path.find_last_of('/') + 1) != DesktopEntry::kFileName || lstat(path.c_str(), &info) != 0 ||
        !S_ISREG(info.st_mode))
        return;
    std::optional<std::string> text = SafeFile::ReadAll(path);
    if (text && text->find("\nPath=" + DesktopEntry::EscapeValue(installedFolder) + "\n") != std::string::npos)
        unlink(path.c_str());
}

// Only the client's own key: a record naming any other is not obeyed.
bool SetupUninstall::RemoveSettings(const std::string& key) {
    if (strcasecmp(key.c_str(), Registry::kApplicationRoot) != 0) return false;
    Registry store;
    if (!store.Load(options_.registryFile)) return false;
    if (!store.OpenKey(key)) return true;
    store.DeleteKey(key);
    return store.Save();
}

}  // namespace parlevox
