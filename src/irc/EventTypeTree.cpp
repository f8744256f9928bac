#include "irc/EventTypeTree.h"

#include "common/TextHelpers.h"
#include "irc/EventTypes.h"

namespace parlevox {
namespace {

using namespace filter;
constexpr uint32_t kMC = kMask | kChannel;

// Parents come before their children; the editor shows them in this order.
constexpr EventTypeNode kNodes[] = {
    {kPRIVMSG, "PRIVMSG", 0, kMask, "PRIVMSG"},
    {kChannelEvent, "ChannelEvent", 0, kMC, "CHANNELEVENT"},
    {kNotice, "Notice", 0, kMask, "NOTICE"},
    {kGlobalEvent, "GlobalEvent", 0, kMC, "GLOBALEVENT"},
    {kInvite, "Invite", 0, kMC, "INVITE"},
    {kServerNumeric, "ServerNumeric", 0, kNumeric, "SERVERNUMERIC"},
    {kNetSystem, "NetSystem", 0, 0, "NETSYSTEM"},
    {kError, "Error", 0, 0, "ERROR"},
    {kServerNotice, "ServerNotice", 0, 0, "SERVERNOTICE"},
    {kKill, "Kill", 0, 0, "KILL"},
    {kSilence, "Silence", 0, 0, nullptr},
    {kWallops, "Wallops", 0, kMask, nullptr},
    {kNormalPM, "NormalPM", kPRIVMSG, kMask, "NORMALPM"},
    {kCTCPMessage, "CTCPMessage", kPRIVMSG, kMask | kCTCPType, "CTCPMESSAGE"},
    {kChannelJoin, "ChannelJoin", kChannelEvent, kMC, "CHANNELJOIN"},
    {kChannelPart, "ChannelPart", kChannelEvent, kMC, "CHANNELPART"},
    {kChannelKick, "ChannelKick", kChannelEvent, kMC, "CHANNELKICK"},
    {kChannelMode, "ChannelMode", kChannelEvent, kMC, "CHANNELMODE"},
    {kChannelName, "ChannelName", kChannelEvent, kMC, "CHANNELNAME"},
    {kChannelTopic, "ChannelTopic", kChannelEvent, kMC, "CHANNELTOPIC"},
    {kNormalNotice, "NormalNotice", kNotice, kMask, "NORMALNOTICE"},
    {kCTCPReply, "CTCPReply", kNotice, kMask | kCTCPType, "CTCPREPLY"},
    {kNick, "Nick", kGlobalEvent, kMask, "NICK"},
    {kQuit, "Quit", kGlobalEvent, kMask, "QUIT"},
    {kNickMode, "NickMode", kGlobalEvent, 0, nullptr},
    {kDisconnect, "Disconnect", kNetSystem, 0, "DISCONNECT"},
    {kConnect, "Connect", kNetSystem, 0, "CONNECT"},
    {kServicesDown, "ServicesDown", kNetSystem, 0, "SERVICESDOWN"},
    {kServicesUp, "ServicesUp", kNetSystem, 0, "SERVICESUP"},
    {kPrivateMessage, "PrivateMessage", kNormalPM, kMask, "PRIVATEMESSAGE"},
    {kChannelMessage, "ChannelMessage", kNormalPM, kMC, "CHANNELMESSAGE"},
    {kPrivateMe, "PrivateMe", kCTCPMessage, kMask, "PRIVATEME"},
    {kChannelMe, "ChannelMe", kCTCPMessage, kMC, "CHANNELME"},
    {kPrivateCTCP, "PrivateCTCP", kCTCPMessage, kMask | kCTCPType, "PRIVATECTCP"},
    {kChannelCTCP, "ChannelCTCP", kCTCPMessage, kMC | kCTCPType, "CHANNELCTCP"},
    {kDCCOffer, "DCCOffer", kCTCPMessage, kMask, "DCCOFFER"},
    {kDCCRequest, "DCCRequest", kCTCPMessage, kMask, "DCCREQUEST"},
    {kDCCChat, "DCCChat", kCTCPMessage, kMask, "DCCCHAT"},
    {kDCCResume, "DCCResume", kCTCPMessage, kMask, "DCCRESUME"},
    {kDCCAccept, "DCCAccept", kCTCPMessage, kMask, "DCCACCEPT"},
    {kPrivateNotice, "PrivateNotice", kNormalNotice, kMask, "PRIVATENOTICE"},
    {kChannelNotice, "ChannelNotice", kNormalNotice, kMC, "CHANNELNOTICE"},
};

}  // namespace

EventTypePath::EventTypePath(uint32_t eventType) {
    if ((eventType >> 24) != 0) return;
    for (uint32_t rest = eventType; rest != 0; rest >>= 8) {
        size_t index = rest & 0xFF;
        if (index == 0) {  // a gap: nothing may follow an empty level
            length_ = 0;
            return;
        }
        indexes_[length_++] = index;
    }
}

std::span<const EventTypeNode> EventTypeNodes() {
    return kNodes;
}

const EventTypeNode* FindEventTypeNode(uint32_t id) {
    for (const EventTypeNode& node : kNodes)
        if (node.id == id) return &node;
    return nullptr;
}

uint32_t EventTypeFromScriptName(std::string_view scriptName) {
    for (const EventTypeNode& node : kNodes)
        if (node.scriptName && EqualsIgnoringCase(node.scriptName, scriptName)) return node.id;
    return 0;
}

}  // namespace parlevox
