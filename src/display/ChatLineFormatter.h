#pragma once
// Builds the lines channel and private message windows show for events:
// each piece in the colour slot the user chose for its kind of text, the
// nickname wrapped in nickname marks. Pure: the windows decide which line an
// event gets; this only fills the formats.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "irc/AddressRecord.h"
#include "irc/ColourCodes.h"

namespace parlevox {

// A sound request's argument: the file name, then optional text.
struct SoundRequest {
    std::string file;
    std::string text;  // what follows the first space; empty when nothing does
};
SoundRequest SplitSoundRequest(std::string_view argument);

class ChatLineFormatter {
public:
    // ownNick: lines of the user's own events use the own-message colour.
    ChatLineFormatter(const ColourCodes& colours, std::string_view ownNick) : colours_(colours), ownNick_(ownNick) {}

    bool IsOwn(std::string_view nick) const;

    // seconds: decimal seconds since 1970 as the server sends them.
    std::string ChannelOpened(std::string_view channel, std::string_view seconds) const;
    std::string TopicSetBy(std::string_view setter, std::string_view seconds) const;
    std::string Join(const AddressRecord& who) const;
    std::string NickChange(std::string_view oldNick, std::string_view newNick) const;
    std::string Disconnected() const;
    // An empty reason gives the short line.
    std::string Part(const AddressRecord& who, std::string_view reason) const;
    std::string Quit(std::string_view nick, std::string_view reason) const;
    // A reason equal to the kicker's nick is no reason.
    std::string Kick(std::string_view kicked, std::string_view kicker, std::string_view reason) const;
    std::string Mode(std::string_view nick, std::string_view flags, const std::vector<std::string>& params) const;
    std::string TopicChange(std::string_view nick, std::string_view topic) const;
    std::string TopicOnJoin(std::string_view topic) const;
    std::string Message(std::string_view nick, std::string_view text) const;
    std::string ChannelNotice(std::string_view nick, std::string_view target, std::string_view text) const;
    std::string PrivateNotice(std::string_view nick, std::string_view text) const;
    std::string Action(std::string_view nick, std::string_view text) const;
    // "plays file" with only a file name, else an action with the text.
    std::string Sound(std::string_view nick, const SoundRequest& request) const;
    static std::string Invalid(uint32_t eventType, std::string_view raw);

    // "H:M on Weekday DD Month YYYY" in local time.
    static std::string EventTime(std::string_view seconds);

private:
    std::string Code(int slot) const { return colours_.Code(slot); }
    // Own-message colour for the user's own events, ordinary text otherwise.
    std::string SpeakerCode(std::string_view nick) const;

    const ColourCodes& colours_;
    std::string ownNick_;
};

}  // namespace parlevox
