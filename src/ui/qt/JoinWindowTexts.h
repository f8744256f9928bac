#pragma once
// The join window's labels (the texts it shares with the core are in
// ui/FavouriteChannels.h and PreferencesTexts.h).
namespace parlevox::jointext {

inline constexpr const char* kJoinTab = "Join";
inline constexpr const char* kCategoriesTab = "Categories";
inline constexpr const char* kAllChannelsTab = "All channels";
inline constexpr const char* kFavouritesTab = "Favourite channels";

inline constexpr const char* kJoin = "&Join";
inline constexpr const char* kAddToFavourites = "Add to &favourites";
inline constexpr const char* kAdd = "&Add...";
inline constexpr const char* kRemove = "&Remove";
inline constexpr const char* kRefresh = "&Refresh";

inline constexpr const char* kNameColumn = "Name";
inline constexpr const char* kDescriptionColumn = "Description";
inline constexpr const char* kChannelColumn = "Channel";
inline constexpr const char* kUsersColumn = "Users";
inline constexpr const char* kTopicColumn = "Topic";
inline constexpr const char* kAutoJoinColumn = "Auto-join";

inline constexpr const char* kMinimumUsers = "M&inimum users:";
inline constexpr const char* kMaximumUsers = "Ma&ximum users:";
inline constexpr const char* kTextFilter = "&Name or topic contains:";
inline constexpr const char* kTextFilterHint = "any channel";

inline constexpr const char* kNoCategories = "No channel categories were loaded.";
inline constexpr const char* kNotConnected = "Connect to a server to list its channels.";
inline constexpr const char* kListing = "Listing channels... %1 so far";
inline constexpr const char* kListed = "%1 channels";
inline constexpr const char* kListCut = "%1 channels (the listing was stopped)";

}  // namespace parlevox::jointext
