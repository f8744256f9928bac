#pragma once
// The folder the client's relative paths ("logs\\", "Script files\\",
// "Servers.List") resolve against: the executable's folder when it holds a
// portable install, else $PARLEVOX_HOME, else $XDG_DATA_HOME/parlevox/.
#include <string>
#include <string_view>

namespace parlevox {

class ProgramFolder {
public:
    // Works the folder out and creates it when missing. Returns it with a
    // trailing "/".
    static const std::string& Path();
    // Forgets the folder worked out before (tests change the environment).
    static void Reset();
    // A stored relative path ("logs\\x.log") as a file-system path under the
    // folder; "\\" becomes "/". Absolute paths are kept as they are.
    static std::string Resolve(std::string_view storedPath);
    // The same against another folder.
    static std::string ResolveIn(std::string_view folder, std::string_view storedPath);
    // The executable's folder, with a trailing "/", when it holds a portable
    // install (the marker file below); empty otherwise.
    static std::string PortableInstall();
    // Stored paths use "\\"; the file system wants "/".
    static std::string ToFileSystemPath(std::string_view storedPath);

    // The marker file that makes an executable's folder a portable install.
    static constexpr const char* kPortableMarker = "parlevox.portable";
};

}  // namespace parlevox
