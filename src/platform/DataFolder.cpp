#include "platform/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/ProgramFolder.h"

namespace parlevox {
namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

std::string InstalledFolder() {
    // A portable install (made by parlevox-setup) holds the shipped data itself.
    if (std::string portable = ProgramFolder::PortableInstall(); !portable.empty()) return portable;
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const fs::path share = executable.parent_path().parent_path() / PARLEVOX_INSTALLED_DATA_DIR;
    return fs::is_directory(share, error) ? WithSlash(share.string()) : std::string();
}

}  // namespace

std::string DataFolder::Path() {
    if (const char* set = std::getenv("PARLEVOX_DATA_DIR"); set && *set) return WithSlash(set);
    if (std::string installed = InstalledFolder(); !installed.empty()) return installed;
    return WithSlash(PARLEVOX_BUILD_DATA_DIR);
}

std::string DataFolder::ModulesPath() {
    if (const char* set = std::getenv("PARLEVOX_DATA_DIR"); set && *set) return WithSlash(set) + "modules/";
    if (std::string installed = InstalledFolder(); !installed.empty()) return installed + "modules/";
    return WithSlash(PARLEVOX_BUILD_MODULES_DIR);
}

std::string DataFolder::SchemesPath() {
    if (const char* set = std::getenv("PARLEVOX_DATA_DIR"); set && *set) return WithSlash(set) + "schemes/";
    if (std::string installed = InstalledFolder(); !installed.empty()) return installed + "schemes/";
    return WithSlash(PARLEVOX_BUILD_SCHEMES_DIR);
}

std::string DataFolder::MajorChannelsPath() {
    constexpr const char* kName = "MajorChannels.dat";
    if (const char* set = std::getenv("PARLEVOX_DATA_DIR"); set && *set) return WithSlash(set) + kName;
    if (std::string installed = InstalledFolder(); !installed.empty()) return installed + kName;
    return WithSlash(PARLEVOX_BUILD_GENERATED_DATA_DIR) + kName;
}

}  // namespace parlevox
