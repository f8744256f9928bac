#include "settings/OptionLists.h"

namespace parlevox {

const SettingsList<NicknameSlot>& NicknameList() {
    static const auto list =
        SettingsList<NicknameSlot>(ListLayout::Fixed("Nicknames", kNicknameSlots, ListIndex::OneBasedSuffix))
            .Text("Name", &NicknameSlot::name)
            .Text("Password", &NicknameSlot::password);
    return list;
}

const SettingsList<ServerSlot>& ServerList() {
    static const auto list =
        SettingsList<ServerSlot>(ListLayout::Fixed("Servers", kServerSlots, ListIndex::OneBasedSuffix))
            .Text("Server", &ServerSlot::host)
            .Int("Port", &ServerSlot::port);
    return list;
}

const SettingsList<ChannelSetting>& ChannelList() {
    static const auto list = SettingsList<ChannelSetting>(ListLayout::Counted("Channels"))
                                 .Text("Name", &ChannelSetting::name)
                                 .Text("Password", &ChannelSetting::password)
                                 .Bool("Logging", &ChannelSetting::logging)
                                 .Int("PositionLeft", &ChannelSetting::left)
                                 .Int("PositionTop", &ChannelSetting::top)
                                 .Int("PositionRight", &ChannelSetting::right)
                                 .Int("PositionBottom", &ChannelSetting::bottom);
    return list;
}

const SettingsList<FavouriteChannel>& FavouriteList() {
    static const auto list = SettingsList<FavouriteChannel>(ListLayout::Counted("Favourites"))
                                 .Text("Channel", &FavouriteChannel::channel)
                                 .Text("Topic", &FavouriteChannel::topic)
                                 .Bool("AutoJoin", &FavouriteChannel::autoJoin);
    return list;
}

const SettingsList<FriendEntry>& FriendList() {
    static const auto list = SettingsList<FriendEntry>(ListLayout::Counted("Friends"))
                                 .Text("Nickname", &FriendEntry::nickname)
                                 .Text("Mask", &FriendEntry::mask)
                                 .Int("Level", &FriendEntry::level);
    return list;
}

const SettingsList<MotdEntry>& MotdList() {
    static const auto list = SettingsList<MotdEntry>(ListLayout::Counted("MOTDs"))
                                 .Text("Server", &MotdEntry::server)
                                 .Text("FirstLine", &MotdEntry::firstLine);
    return list;
}

}  // namespace parlevox
