#pragma once
// The favourite channels as the join window changes them: a channel added
// from a listing or typed in starts with no topic known yet and auto-join
// off.
#include <string>
#include <string_view>
#include <vector>

#include "settings/OptionLists.h"

namespace parlevox {

namespace favourites_text {
inline constexpr const char* kNotYetUpdated = "< not yet updated >";
inline constexpr const char* kAddedTitle = "Added to favourite channels";
inline constexpr const char* kAdded =
    "The selected channel has been added to your list of favourite channels.\n\nYou can see and manipulate the list "
    "from the \"Favourite channels\" tab on the dialog box.";
inline constexpr const char* kAddTitle = "Add favourite channel";
inline constexpr const char* kAddPrompt =
    "Enter the name (including the #) of the channel you'd like to add to the favourites list.";
}  // namespace favourites_text

class FavouriteChannels {
public:
    // A channel name a favourite can hold: not empty, no blank, comma or
    // control byte (it would split the JOIN or the stored list).
    static bool Acceptable(std::string_view channel);
    // Appends the channel unless the list has it already (in any case);
    // false when nothing was added.
    static bool Add(std::vector<FavouriteChannel>& favourites, std::string_view channel);
    // The index of the channel (in any case), or -1.
    static int Find(const std::vector<FavouriteChannel>& favourites, std::string_view channel);
};

}  // namespace parlevox
