#include "display/ChatLineFormatter.h"

#include <fmt/printf.h>

#include <charconv>
#include <ctime>

#include "common/TextHelpers.h"
#include "display/ChatTexts.h"
#include "platform/Clock.h"

namespace parlevox {

SoundRequest SplitSoundRequest(std::string_view argument) {
    const size_t space = argument.find(' ');
    if (space == std::string_view::npos) return {std::string(argument), {}};
    return {std::string(argument.substr(0, space)), std::string(argument.substr(space + 1))};
}

bool ChatLineFormatter::IsOwn(std::string_view nick) const {
    return !ownNick_.empty() && EqualsIgnoringCase(nick, ownNick_);
}

std::string ChatLineFormatter::SpeakerCode(std::string_view nick) const {
    return Code(IsOwn(nick) ? colour::kOwnMessage : colour::kText);
}

std::string ChatLineFormatter::EventTime(std::string_view seconds) {
    // A value that is no number, or one past what the calendar can show,
    // shows as the start of the count rather than failing.
    int64_t value = 0;
    auto [end, error] = std::from_chars(seconds.data(), seconds.data() + seconds.size(), value);
    if (error != std::errc() || value < 0 || value > (int64_t{1} << 40)) value = 0;
    (void)end;
    return Clock::FormatLocal(texts::kEventTime, static_cast<std::time_t>(value));
}

std::string ChatLineFormatter::ChannelOpened(std::string_view channel, std::string_view seconds) const {
    return fmt::sprintf(texts::kChannelOpened, Code(colour::kInformation), channel, EventTime(seconds));
}

std::string ChatLineFormatter::TopicSetBy(std::string_view setter, std::string_view seconds) const {
    const std::string info = Code(colour::kInformation);
    return fmt::sprintf(texts::kTopicSetBy, info, Code(colour::kNick), setter, info, EventTime(seconds));
}

std::string ChatLineFormatter::Join(const AddressRecord& who) const {
    return fmt::sprintf(texts::kJoinLine, Code(colour::kJoin), Code(colour::kNick), who.nick, Code(colour::kText),
                        who.user, who.host);
}

std::string ChatLineFormatter::NickChange(std::string_view oldNick, std::string_view newNick) const {
    const std::string change = Code(colour::kNickChange), nick = Code(colour::kNick);
    return fmt::sprintf(texts::kNickChangeLine, change, nick, oldNick, change, nick, newNick);
}

std::string ChatLineFormatter::Disconnected() const {
    return fmt::sprintf(texts::kDisconnectedLine, Code(colour::kInformation));
}

std::string ChatLineFormatter::Part(const AddressRecord& who, std::string_view reason) const {
    const std::string part = Code(colour::kPart), nick = Code(colour::kNick), text = Code(colour::kText);
    if (reason.empty()) return fmt::sprintf(texts::kPartLine, part, nick, who.nick, text, who.user, who.host);
    return fmt::sprintf(texts::kPartWithReason, part, nick, who.nick, text, who.user, who.host, reason);
}

std::string ChatLineFormatter::Quit(std::string_view nick, std::string_view reason) const {
    return fmt::sprintf(texts::kQuitLine, Code(colour::kQuit), Code(colour::kNick), nick, Code(colour::kText), reason);
}

std::string ChatLineFormatter::Kick(std::string_view kicked, std::string_view kicker, std::string_view reason) const {
    const std::string quit = Code(colour::kQuit), nick = Code(colour::kNick), text = Code(colour::kText);
    if (reason.empty() || reason == kicker)
        return fmt::sprintf(texts::kKickLine, quit, nick, kicked, text, nick, kicker, text);
    return fmt::sprintf(texts::kKickWithReason, quit, nick, kicked, text, nick, kicker, text, reason);
}

std::string ChatLineFormatter::Mode(std::string_view nick, std::string_view flags,
                                    const std::vector<std::string>& params) const {
    std::string joined;
    for (const std::string& param : params) {
        joined += ' ';
        joined += param;
    }
    const std::string mode = Code(colour::kMode);
    return fmt::sprintf(texts::kModeLine, mode, Code(colour::kNick), nick, mode, flags, joined);
}

std::string ChatLineFormatter::TopicChange(std::string_view nick, std::string_view topic) const {
    const std::string colour = Code(colour::kTopic);
    return fmt::sprintf(texts::kTopicChangeLine, colour, Code(colour::kNick), nick, colour, Code(colour::kText), topic);
}

std::string ChatLineFormatter::TopicOnJoin(std::string_view topic) const {
    return fmt::sprintf(texts::kTopicOnJoin, Code(colour::kTopic), Code(colour::kText), topic);
}

std::string ChatLineFormatter::Message(std::string_view nick, std::string_view text) const {
    const std::string speaker = SpeakerCode(nick);
    return fmt::sprintf(texts::kMessageLine, speaker, Code(colour::kNick), nick, speaker, text);
}

std::string ChatLineFormatter::ChannelNotice(std::string_view nick, std::string_view target,
                                             std::string_view text) const {
    const std::string plain = Code(colour::kText);
    const char mark = target.empty() ? '?' : target.front();
    return fmt::sprintf(texts::kChannelNoticeLine, plain, Code(colour::kNick), nick, plain, mark,
                        Code(colour::kNotice), text);
}

std::string ChatLineFormatter::PrivateNotice(std::string_view nick, std::string_view text) const {
    const std::string plain = Code(colour::kText);
    return fmt::sprintf(texts::kPrivateNoticeLine, plain, Code(colour::kNick), nick, plain, Code(colour::kNotice),
                        text);
}

std::string ChatLineFormatter::Action(std::string_view nick, std::string_view text) const {
    // "'s" and "," stay attached to the nickname.
    const bool attached = !text.empty() && (text.front() == '\'' || text.front() == ',');
    const std::string speaker = SpeakerCode(nick);
    return fmt::sprintf(texts::kActionLine, speaker, Code(colour::kNick), nick, speaker,
                        attached ? std::string(text) : ' ' + std::string(text));
}

std::string ChatLineFormatter::Sound(std::string_view nick, const SoundRequest& request) const {
    if (!request.text.empty()) return Action(nick, request.text);
    const std::string speaker = SpeakerCode(nick);
    return fmt::sprintf(texts::kSoundPlaysLine, speaker, Code(colour::kNick), nick, speaker, request.file);
}

std::string ChatLineFormatter::Invalid(uint32_t eventType, std::string_view raw) {
    return fmt::sprintf(texts::kInvalidMessage, static_cast<int>(eventType & 0xFF),
                        static_cast<int>((eventType >> 8) & 0xFF), static_cast<int>((eventType >> 16) & 0xFF),
                        static_cast<int>(eventType >> 24), raw);
}

}  // namespace parlevox
