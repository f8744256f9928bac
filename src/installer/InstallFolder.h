#pragma once
// The install folder on disk: making it, the tree of folders below it, and
// writing the unpacked files. Names come from the archive, so nothing is
// ever written through a symbolic link or outside the folder.
#include <sys/types.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace parlevox {

class InstallFolder {
public:
    // The folders made below the install folder, in this order; stored
    // names use "\\".
    static constexpr std::array<const char*, 11> kSubfolders = {
        "Sound", "Downloaded files", "Plug-ins", "Script files", "Logs", "Schemes",
        "Scripts", "Tutorial", "Tutorial\\IRC", "Tutorial\\Parlevox", "Tutorial\\Changing"};

    enum class Creation { Created, Existed, Invalid };
    // One level only: the parent must exist. A path that exists but is no
    // folder is Invalid.
    static Creation Create(const std::string& folder);
    // The eleven subfolders; false when one can be neither made nor found.
    static bool CreateTree(const std::string& folder);

    // Writes folder/subfolder/name, replacing a file there. The subfolder's
    // components ("\\" or "/" between them) are made as needed; none may be
    // a link or climb ("." or ".."), nor may the file. Without a mode,
    // ModeFor decides.
    static bool WriteFile(const std::string& folder, std::string_view subfolder, std::string_view name,
                          std::string_view bytes, std::optional<mode_t> mode = std::nullopt);
    // Programs and scripts are made executable, everything else not.
    static mode_t ModeFor(std::string_view bytes);

    // A stored path ("Tutorial\\IRC") as the file system writes it.
    static std::string ToFileSystemPath(std::string_view stored);
};

}  // namespace parlevox
