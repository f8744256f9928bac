#pragma once
// Every text of the DCC plug-ins' installation, removal and windows.
namespace parlevox::dcc_plugin_text {

inline constexpr const char* kBoxTitle = "Parlevox";
inline constexpr const char* kFailedToLoad = "Failed to load plug-in %s";
inline constexpr const char* kNotCompatible = "Plug-in %s is not compatible with this version of Parlevox";
inline constexpr const char* kDroppedAtStartup =
    "A plug-in could not be loaded and has been removed from the list of those installed.";
inline constexpr const char* kCouldNotLoad = "The plug-in could not be loaded.";
inline constexpr const char* kDuplicateName =
    "A plug-in with that name already exists. You can't install two copies of the same plug-in.";

inline constexpr const char* kSelectTitle = "Select plug-in";
inline constexpr const char* kFilter = "Parlevox DCC plug-ins (*.ParlevoxDCCPlugIn)|*.ParlevoxDCCPlugIn||";
inline constexpr const char* kExtension = "ParlevoxDCCPlugIn";

inline constexpr const char* kRemovalTitle = "Plug-in removal";
inline constexpr const char* kRemovalQuestion =
    "Removing the plug-in will not delete it from disk (so you can get it back by re-installing it if necessary) "
    "but all filetypes currently using this plug-in will save to disk instead after removal.\n\n"
    "Are you sure you want to remove this plug-in?";

inline constexpr const char* kDeleteFailureTitle = "DCC transfer delete failure";
inline constexpr const char* kDeleteFailure =
    "Parlevox attempted to delete the file, but failed. You should remove the file yourself using the standard "
    "Windows facilities.";
inline constexpr const char* kIgnoreReason = "Ignore during DCC";

}  // namespace parlevox::dcc_plugin_text
