#pragma once
// The lists of the options record and the MOTD memory: plain entries and
// the one description of how each is stored.
#include <string>

#include "settings/SettingsList.h"

namespace parlevox {

// "Nicknames": "Name%i", "Password%i", i = 1..3.
struct NicknameSlot {
    std::string name;
    std::string password;
    bool operator==(const NicknameSlot&) const = default;
};

// "Servers": "Server%i", "Port%i", i = 1..3.
struct ServerSlot {
    std::string host;
    int port = 0;
    bool operator==(const ServerSlot&) const = default;
};

// "Channels": a remembered channel's key, logging switch and window rectangle.
struct ChannelSetting {
    std::string name;
    std::string password;
    bool logging = false;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ChannelSetting&) const = default;
};

struct FavouriteChannel {
    std::string channel;
    std::string topic;
    bool autoJoin = false;
    bool operator==(const FavouriteChannel&) const = default;
};

struct FriendEntry {
    std::string nickname;
    std::string mask;
    int level = 0;
    bool operator==(const FriendEntry&) const = default;
};

// Per server, the first line of the last message of the day seen.
struct MotdEntry {
    std::string server;
    std::string firstLine;
    bool operator==(const MotdEntry&) const = default;
};

inline constexpr int kNicknameSlots = 3;
inline constexpr int kServerSlots = 3;

const SettingsList<NicknameSlot>& NicknameList();
const SettingsList<ServerSlot>& ServerList();
const SettingsList<ChannelSetting>& ChannelList();
const SettingsList<FavouriteChannel>& FavouriteList();
const SettingsList<FriendEntry>& FriendList();
const SettingsList<MotdEntry>& MotdList();

}  // namespace parlevox
