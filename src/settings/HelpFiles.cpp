#include "settings/HelpFiles.h"

#include <filesystem>
#include <system_error>

namespace parlevox {
namespace {

namespace fs = std::filesystem;

int CopyMissingFiles(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::directory_iterator entries(from, error);
    if (error) return 0;
    int copied = 0;
    for (const fs::directory_entry& entry : entries) {
        if (!entry.is_regular_file(error)) continue;
        const fs::path target = to / entry.path().filename();
        if (fs::exists(fs::symlink_status(target, error))) continue;
        fs::create_directories(to, error);
        if (fs::copy_file(entry.path(), target, fs::copy_options::skip_existing, error) && !error) ++copied;
    }
    return copied;
}

}  // namespace

int HelpFiles::InstallMissing(const std::string& dataFolder, const std::string& programFolder) {
    if (dataFolder.empty() || programFolder.empty()) return 0;
    const fs::path help = fs::path(dataFolder) / "help";
    return CopyMissingFiles(help, fs::path(programFolder) / "Help") +
           CopyMissingFiles(help / "tutorial", fs::path(programFolder) / "Tutorial");
}

}  // namespace parlevox
