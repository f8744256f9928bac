// How the names list follows its channel's events.
#include <string>
#include <string_view>
#include <vector>

#include "common/TextHelpers.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMChannelEvent.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMServer.h"
#include "ui/NamesList.h"

namespace parlevox {
namespace {

constexpr int kNamesReply = 353;
constexpr int kEndOfNames = 366;

// The words of a mode reply after its channel: params[2] on, then the text's.
void ModeReplyWords(const CIRCMessage& reply, std::string& flags, std::vector<std::string>& params) {
    std::vector<std::string_view> words;
    for (size_t i = 2; i < CIRCMessage::kMaxMiddleParams && !reply.params[i].empty(); ++i)
        words.push_back(reply.params[i]);
    std::string_view text = reply.text;
    while (!text.empty()) {
        const size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        if (!word.empty()) words.push_back(word);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    }
    flags.clear();
    params.clear();
    if (words.empty()) return;
    flags = words.front();
    params.assign(words.begin() + 1, words.end());
}

}  // namespace

void CNamesList::OnEvent(CIRCMessage& message, uint32_t) {
    switch (message.eventType) {
        case kChannelJoin:
            if (auto* join = dynamic_cast<C_imChannelJoin*>(&message)) {
                const std::string& nick = join->senderAddress.nick;
                // Our own entry comes with the listing, marks and all.
                if (!EqualsIgnoringCase(nick, state_.currentNick)) Add(nick, false, false);
            }
            break;
        case kChannelName:
            if (auto* name = dynamic_cast<C_imChannelName*>(&message)) AddListedName(name->targetNick);
            break;
        case kChannelMode:
            if (auto* mode = dynamic_cast<C_imChannelMode*>(&message)) ApplyModes(mode->modeFlags, mode->modeParams);
            break;
        case kChannelPart:
            if (auto* part = dynamic_cast<C_imChannelPart*>(&message)) RemoveIfPresent(part->senderAddress.nick);
            break;
        case kChannelKick:
            if (auto* kick = dynamic_cast<C_imChannelKick*>(&message)) RemoveIfPresent(kick->targetNick);
            break;
        case kNick:
            if (auto* nick = dynamic_cast<C_imNick*>(&message)) ChangeNick(nick->senderAddress.nick, nick->targetNick);
            break;
        case kDisconnect:
            Clear();
            break;
        case kConnect:
            // Rejoining brings a new listing.
            if (!ExpectingListing()) RegisterListing();
            break;
        case kServerNumeric:
            if (auto* reply = dynamic_cast<C_imServerNumeric*>(&message)) {
                if (reply->numeric == kNamesReply) {
                    // Its names have been dispatched already; the listing
                    // that follows a join is not shown as a reply.
                    EndChain();
                } else if (reply->numeric == kEndOfNames) {
                    EndListing();
                    message.handled = 1;
                } else {
                    ApplyModeNumeric(*reply);
                }
            }
            break;
        default:
            break;
    }
}

void CNamesList::AddListedName(std::string_view name) {
    // Servers that send every mark a person holds put them all in front.
    bool op = false, voice = false;
    while (!name.empty() && (name.front() == '@' || name.front() == '+')) {
        (name.front() == '@' ? op : voice) = true;
        name.remove_prefix(1);
    }
    Add(name, op, voice);
}

void CNamesList::ApplyModes(std::string_view flags, const std::vector<std::string>& params) {
    bool adding = true;
    size_t next = 0;
    auto take = [&]() -> const std::string* { return next < params.size() ? &params[next++] : nullptr; };
    for (char flag : flags) {
        if (flag < '+' || flag > 'v') continue;
        switch (flag) {
            case '+':
            case '-':
                adding = flag == '+';
                break;
            case 'k':
            case 'l':
                if (adding) take();
                break;
            case 'b':
                take();
                break;
            case 'o':
            case 'v':
                if (const std::string* nick = take()) {
                    if (auto status = Lookup(*nick)) {
                        (flag == 'o' ? status->op : status->voice) = adding;
                        SetStatus(*nick, status->op, status->voice);
                    }
                }
                break;
            default:
                break;
        }
    }
}

void CNamesList::ApplyModeNumeric(const CIRCMessage& reply) {
    std::string flags;
    std::vector<std::string> params;
    ModeReplyWords(reply, flags, params);
    ApplyModes(flags, params);
}

void CNamesList::ChangeNick(std::string_view from, std::string_view to) {
    const auto status = Lookup(from);
    if (!status) return;
    Remove(from);
    // A nick that is somehow here already keeps its own entry.
    Add(to, status->op, status->voice);
}

}  // namespace parlevox
