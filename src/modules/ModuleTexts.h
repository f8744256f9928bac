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
inline constexpr const char* kIconFilter =
    "Module icons, 48 x 48 (*.png;*.raw)|*.png;*.raw|24-bit raw graphics (*.raw)|*.raw||";
inline constexpr const char* kIconWrongSize = "The icon must be a picture of 48 x 48 pixels.";

inline constexpr const char* kNoSuchFunction = "Attempt to call the function %s, which doesn't exist.";
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

// The scripting window's own questions and prompts.
inline constexpr const char* kUncompiledQuestion =
    "The function %s has changes that have not been compiled. Until it is compiled, calls run the version compiled "
    "last (or fail, when it has never been compiled).\n\nLeave it without compiling?";
inline constexpr const char* kInstallTitle = "Install Module";
inline constexpr const char* kModuleExtension = "ParlevoxModule";
inline constexpr const char* kRemoveModuleTitle = "Remove module";
inline constexpr const char* kRemoveModuleQuestion =
    "Remove the module \"%s\"? Its Shutdown function runs and it is saved to its file, which stays where it is.";
inline constexpr const char* kNewModuleTitle = "New Module";
inline constexpr const char* kNewModuleName = "Name of the new module (it cannot be changed later):";
inline constexpr const char* kNewModuleAuthor = "Author of the module:";
inline constexpr const char* kNewModuleCopyright = "Copyright notice of the module:";
inline constexpr const char* kNewFunctionTitle = "New function";
inline constexpr const char* kNewFunctionPrompt = "Name of the new function:";
inline constexpr const char* kRenameFunctionTitle = "Rename function";
inline constexpr const char* kRenameFunctionPrompt = "New name of the function:";
inline constexpr const char* kFunctionNameTitle = "Function name";
inline constexpr const char* kBadFunctionName =
    "A function name is made of letters and digits and does not start with a digit.";
inline constexpr const char* kDeleteFunctionTitle = "Delete function";
inline constexpr const char* kDeleteFunctionQuestion = "Delete the function %s of the module %s? This cannot be undone.";
inline constexpr const char* kBadVariableName =
    "A variable name is made of letters and digits; its lower-case start gives its type (s, i, f, or a followed by "
    "one of them), as in sNick or aiCounts.";
inline constexpr const char* kVariableExists = "A variable of that name already exists there.";
inline constexpr const char* kDeleteVariableTitle = "Delete variable";
inline constexpr const char* kDeleteVariableQuestion =
    "Delete the variable %s? Compiled functions that use it fail when they reach it until they are compiled again.";

}  // namespace parlevox::module_text
