#include "ui/FavouriteChannels.h"

#include "common/TextHelpers.h"

namespace parlevox {

bool FavouriteChannels::Acceptable(std::string_view channel) {
    if (channel.empty()) return false;
    for (unsigned char c : channel)
        if (c <= ' ' || c == ',' || c == 127) return false;
    return true;
}

int FavouriteChannels::Find(const std::vector<FavouriteChannel>& favourites, std::string_view channel) {
    for (size_t i = 0; i < favourites.size(); ++i)
        if (EqualsIgnoringCase(favourites[i].channel, channel)) return static_cast<int>(i);
    return -1;
}

bool FavouriteChannels::Add(std::vector<FavouriteChannel>& favourites, std::string_view channel) {
    if (!Acceptable(channel) || Find(favourites, channel) >= 0) return false;
    favourites.push_back({std::string(channel), favourites_text::kNotYetUpdated, false});
    return true;
}

}  // namespace parlevox
