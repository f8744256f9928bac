#pragma once
// The help pages and the tutorial live in the program folder ("Help/",
// "Tutorial/"), where the help key and the first run open them. At
// start-up the shipped copies are put there when missing; a page the
// person already has (perhaps edited) is left alone.
#include <string>

namespace parlevox {

class HelpFiles {
public:
    static constexpr const char* kHelpFolder = "Help/";
    static constexpr const char* kTutorialFolder = "Tutorial/";
    static constexpr const char* kContents = "Help/index.html";
    static constexpr const char* kTutorial = "Tutorial/index.html";

    // Copies dataFolder's "help/" files to programFolder's "Help/" and its
    // "help/tutorial/" files to "Tutorial/". A missing or unreadable data
    // folder, or a file that cannot be copied, is skipped: help is not
    // worth failing start-up for. Returns the number of files copied.
    static int InstallMissing(const std::string& dataFolder, const std::string& programFolder);
};

}  // namespace parlevox
