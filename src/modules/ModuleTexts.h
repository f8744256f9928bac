#pragma once
// What the module manager and script calls say.
namespace parlevox::module_text {

inline constexpr const char* kListIncomplete =
    "There was a problem loading installed module selections from the registry - it wasn't possible to load the "
    "amount specified by Count.";
inline constexpr const char* kErrorLoadingTitle = "Error loading module";
inline constexpr const char* kCouldNotLoadAtStart =
    "The module \"%s\" couldn't be loaded. If the file has simply moved, and you wish to reinstall it, you can do so "
    "from the Modules tab of the Scripting window.";
inline constexpr const char* kErrorSavingTitle = "Error saving module";
inline constexpr const char* kUserModuleNotSaved =
    "The user module couldn't be saved. Likely this is a problem with disk space, or attempting to run Parlevox from "
    "a read-only disk such as a CD-ROM. (No can do.)\n\nYou should exit Parlevox and attempt to re-load it when "
    "you've fixed the problem.";
inline constexpr const char* kAlreadyInstalled =
    "A module already exists with the same unique identifier or name as the one you're trying to install.";
inline constexpr const char* kInstallFailed = "The attempt to load the module failed.";
inline constexpr const char* kCouldNotSave = "The module \"%s\" couldn't be saved.";
inline constexpr const char* kChangesLost =
    "The module \"%s\" couldn't be saved. Changes that you made to this module have been lost.";
inline constexpr const char* kUserModuleName = "User";
inline constexpr const char* kInstallFilter = "Parlevox script modules (*.ParlevoxModule)|*.ParlevoxModule||";
inline constexpr const char* kSaveNewModuleTitle = "Save New Module As";

inline constexpr const char* kNotCompiled =
    "Attempt to call the function %s which hasn't been compiled; compile it from the Editor window.";
inline constexpr const char* kIncorrectParameters = "Incorrect parameters calling function %s; had %s, expected %s.";
inline constexpr const char* kNotAnInteger =
    "While attempting to parse parameters for %s (type %s), %s could not be interpreted as an integer.";
inline constexpr const char* kNoArraysInCommands =
    "Attempt to call function %s with /-command, but this requires parameters of type %s and arrays can't be "
    "entered in /-commands.";
inline constexpr const char* kInsufficientParameters =
    "Insufficient parameters provided when calling %s with a /-command. This function requires parameters of type %s.";

inline constexpr const char* kCompileErrorTitle = "Script compilation error";
inline constexpr const char* kCompileErrorHead = "An error was detected during compilation:\n\n";
inline constexpr const char* kCompileErrorTail = "\n\nThe cursor will be placed at the approximate location of the error.";
inline constexpr const char* kUncompiledTitle = "Uncompiled source warning";

}  // namespace parlevox::module_text
