#include "irc/IRCLineParser.h"

#include <cstring>

#include "common/TextHelpers.h"
#include "irc/EventTypes.h"
#include "irc/IMChannelEvent.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/IMServer.h"

namespace parlevox {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Cuts the word before the next space off `rest`; false when there is no
// space.
bool TakeWord(std::string_view& rest, std::string_view& word) {
    size_t space = rest.find(' ');
    if (space == std::string_view::npos) return false;
    word = rest.substr(0, space);
    rest.remove_prefix(space + 1);
    return true;
}

// Two spaces in a row give an empty parameter. Only 14 middle parameters
// fit before the empty end marker: the words past the 13th are joined, with
// their single spaces, into the 14th slot, so nothing is lost and the end
// marker stays empty.
void SplitParams(std::string_view rest, CIRCMessage& message) {
    constexpr size_t kLast = CIRCMessage::kMaxMiddleParams - 1;
    size_t count = 0;
    std::string_view word;
    while (count < kLast && TakeWord(rest, word)) message.params[count++].assign(word);
    if (count == kLast && rest.find(' ') != std::string_view::npos && rest.back() == ' ')
        rest.remove_suffix(1);  // that space only ended the last word
    if (!rest.empty()) message.params[count].assign(rest);
}

// Steps 1-7 of splitting: prefix, text, sender, command, parameters.
bool SplitLine(std::string_view line, const ParseOptions& options, CIRCMessage& message) {
    if (line.empty() || line[0] != ':') return false;
    std::string_view rest = line.substr(1);
    // The text starts at the first ":" after the prefix; a ":" inside the
    // prefix (an IPv6 host) does not count.
    size_t prefixEnd = rest.find(' ');
    size_t colon = prefixEnd == std::string_view::npos ? prefixEnd : rest.find(':', prefixEnd);
    if (colon != std::string_view::npos) {
        message.text.assign(rest.substr(colon + 1));
        rest = rest.substr(0, colon);
        if (options.stripColours) StripColourCodes(message.text);
    }
    std::string_view sender, command;
    if (!TakeWord(rest, sender) || !TakeWord(rest, command)) return false;
    message.sender.assign(sender);
    message.command.assign(command);
    for (char& c : message.command) c = AsciiUpper(c);
    SplitParams(rest, message);
    message.raw.assign(line);
    return true;
}

std::unique_ptr<CIRCMessage> CreateMostSpecific(CIRCMessage& generic) {
    return CreateFirstAccepting<CIRCMessage, C_imPRIVMSG, C_imChannelEvent, C_imNotice, C_imGlobalEvent, C_imInvite,
                                C_imServerNumeric, C_imServerNotice, C_imKill, C_imSilence, C_imWallops>(generic);
}

}  // namespace

ParsedLine ParseIRCLine(std::string_view line, const ParseOptions& options) {
    ParsedLine parsed;
    CIRCMessage generic;
    if (!SplitLine(line, options, generic)) return parsed;
    parsed.sender = generic.sender;
    parsed.message = CreateMostSpecific(generic);
    if (!parsed.message)
        parsed.outcome = ParseOutcome::Unrecognised;
    else if (parsed.message->eventType == kCTCPMessage)
        parsed.outcome = ParseOutcome::Partly;
    else
        parsed.outcome = ParseOutcome::Parsed;
    return parsed;
}

void StripColourCodes(std::string& text) {
    if (std::memchr(text.data(), '\x03', text.size()) == nullptr) return;
    size_t out = 0;
    for (size_t in = 0; in < text.size();) {
        if (text[in] != '\x03') {
            text[out++] = text[in++];
            continue;
        }
        ++in;
        while (in < text.size() && IsDigit(text[in])) ++in;
        if (in < text.size() && text[in] == ',') {
            ++in;
            while (in < text.size() && IsDigit(text[in])) ++in;
        }
    }
    text.resize(out);
}

}  // namespace parlevox
