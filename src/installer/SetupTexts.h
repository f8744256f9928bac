#pragma once
// What the installer says: the titles and texts of its message boxes and
// its folder box, word for word, with the Linux names of things.
#include <string>
#include <string_view>

namespace parlevox::setup_texts {

inline constexpr std::string_view kWebAddress = "https://parlevox.org/";

inline constexpr std::string_view kSearching = "Searching for program, please wait...";

inline constexpr std::string_view kSetupErrorTitle = "Setup error";
inline std::string DirectoryError() {
    return "Unable to obtain directory of compressed files. This program file is probably corrupted.\n\n"
           "Try to run this again. If it still doesn't work, download a fresh copy via the quornwright "
           "web site at " +
           std::string(kWebAddress);
}
// The address follows "at" with no space between, as the text always had it.
inline std::string BitmapError() {
    return "Unable to load background bitmap. Try again. If it still doesn't work, the file may be "
           "corrupted, in which case you need to download a fresh copy from the quornwright web site at" +
           std::string(kWebAddress);
}
inline constexpr std::string_view kWindowError = "Unable to create setup program window.\n\nTry again.";

inline constexpr std::string_view kInstallingOverTitle = "Installing over existing";
inline constexpr std::string_view kInstallingOver =
    "An existing version of Parlevox or Brimvale was found on your system.\n\n"
    "The installer will install this version over the previous one. Any files (logs, etc.) that you "
    "made with the previous version will not be removed. Your settings will mostly be maintained.\n\n"
    "If you don't want this behaviour and would like to start afresh, exit this installer by clicking "
    "No, and uninstall the existing copy of Parlevox or Brimvale using parlevox-setup --uninstall.\n\n"
    "Continue with install?";

inline constexpr std::string_view kInvalidFolderTitle = "Invalid folder";
inline std::string InvalidFolder(std::string_view defaultFolder) {
    return "The folder name you specified is invalid.\n\nPlease specify a valid folder-name: it must refer "
           "to a new directory that doesn't currently exist, but that is directly \"underneath\" an "
           "existing directory. (The default, " +
           std::string(defaultFolder) +
           " is usually a good bet.)\n\nIf you're trying to re-install for some reason, please delete the "
           "existing installation first.";
}

inline constexpr std::string_view kFolderExistsTitle = "Folder already exists";
inline constexpr std::string_view kFolderExists =
    "You have specified a folder name that already exists.\n\n"
    "If you are reinstalling Parlevox, and have specified the same folder as before, this will probably "
    "not cause a problem.\n\n"
    "If you are installing Parlevox for the first time, though, click \"No\" here, and specify a new "
    "folder. Parlevox must be in its own individual folder.";

inline constexpr std::string_view kUnexpectedErrorTitle = "Unexpected error";
inline constexpr std::string_view kUnexpectedError =
    "Unexpected problem creating sub-folders of chosen folder, after folder was created successfully.\n\n"
    "Ensure you have sufficient disk space, and that there are no other problems with the folder you "
    "selected. Then re-run this Setup program.";

inline constexpr std::string_view kExtractionErrorTitle = "File extraction error";
inline constexpr std::string_view kReadingError =
    "There was a problem extracting a file.\n\n"
    "Please ensure you have enough disk space free on your drive that stores temporary files (about 6 Mb "
    "should be sufficient).\n\n"
    "Free up disk space, then come back to this window and click \"Yes\".\n\n"
    "In the unlikely event that disk space was not the problem, there may be a problem with your disk "
    "drive, or this program file may be corrupted.\n\n"
    "Do you want to try again?";
inline constexpr std::string_view kDecompressionError =
    "There was a problem decompressing a file.\n\n"
    "Please ensure you have enough disk space free on the destination drive (about 6 Mb should be "
    "sufficient).\n\n"
    "Free up disk space, then come back to this window and click \"Yes\".\n\n"
    "In the unlikely event that disk space was not the problem, there may be a problem with your disk "
    "drive, or this program file may be corrupted.\n\n"
    "Do you want to try again?";

inline constexpr std::string_view kRegistryErrorTitle = "Registry set failure";
inline constexpr std::string_view kRegistryError =
    "There was a problem setting the registry.\n\n"
    "(I can't think of a reason why this might have happened... perhaps the settings file cannot be "
    "written?)";

inline constexpr std::string_view kAddToMenuTitle = "Add to Programs menu?";
inline constexpr std::string_view kAddToMenu =
    "The program's files were successfully unpacked.\n\n"
    "Do you want to add it to your Programs menu so that you can run it more easily?";

inline constexpr std::string_view kMenuProblemTitle = "Problem";
inline constexpr std::string_view kMenuProblem =
    "There was a problem in finding the correct location where your Programs menu shortcuts are stored.\n\n"
    "This hasn't affected the install process, but you'll have to create the Programs menu link "
    "yourself, if you want it.";

inline constexpr std::string_view kCompleteTitle = "Installation complete";
inline constexpr std::string_view kRunNowQuestion = "Would you like to run the program now?";
inline std::string Complete(bool uninstallRecorded, bool menuEntry, std::string_view folder) {
    std::string text = "The program installation is complete.\n\n";
    text += uninstallRecorded
                ? "Should you later wish to uninstall the program, you can do so from the folder's "
                  "parlevox-uninstall.\n\n"
                : "There was a problem creating the uninstall information, so if you want to uninstall "
                  "the program you will have to do so manually.\n\n";
    text += menuEntry ? std::string("In future you can run the program from the applications menu.\n\n")
                      : "In future you can run the program by opening the " + std::string(folder) +
                            " folder and double-clicking the program icon.\n\n";
    return text += kRunNowQuestion;
}

inline constexpr std::string_view kLoadFailureTitle = "Program load failure";
inline constexpr std::string_view kLoadFailure =
    "There was a problem running the program for you. Try running it yourself.";

// The uninstaller's own boxes.
inline constexpr std::string_view kUninstallTitle = "Uninstall Parlevox";
inline std::string UninstallQuestion(std::string_view folder) {
    return "Remove Parlevox from " + std::string(folder) +
           "?\n\nFiles you made there (logs, downloads) are kept.";
}
inline constexpr std::string_view kUninstallErrorTitle = "Uninstall error";
inline std::string NoUninstallRecord(std::string_view folder) {
    return "Unable to find the uninstall information of Parlevox in " + std::string(folder) +
           ".\n\nIf Parlevox was installed there, remove the folder yourself.";
}
inline constexpr std::string_view kNoInstallation = "No installation of Parlevox was found in your home folder.";
inline constexpr std::string_view kUninstalledTitle = "Parlevox removed";
inline std::string Uninstalled(std::string_view folder, bool folderKept, bool settingsRemoved) {
    std::string text = "Parlevox has been removed from " + std::string(folder) + ".";
    if (folderKept) text += "\n\nThe folder was kept: it still holds files you made.";
    if (!settingsRemoved) text += "\n\nIts settings could not be removed from the settings file.";
    return text;
}

}  // namespace parlevox::setup_texts
