#pragma once
// Every text of the DCC plug-ins' installation, removal and windows; the
// loading texts are both kinds of plug-in's.
#include "modules/ScPlugInTexts.h"

namespace parlevox::dcc_plugin_text {

inline constexpr const char* kBoxTitle = plugin_text::kTitle;
inline constexpr const char* kFailedToLoad = plugin_text::kFailedToLoad;
inline constexpr const char* kNotCompatible = plugin_text::kNotCompatible;
inline constexpr const char* kDroppedAtStartup = plugin_text::kDroppedFromList;
inline constexpr const char* kCouldNotLoad = plugin_text::kCouldNotLoad;
inline constexpr const char* kDuplicateName = plugin_text::kNameTaken;

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
