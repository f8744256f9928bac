#pragma once
// Turns one line from the server into a message object of the most specific
// class that accepts it. PING, ERROR and NOTICE lines without a prefix are
// answered by the network window before they get here.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "irc/IRCMessage.h"

namespace parlevox {

class RecentAddresses;

struct ParseOptions {
    bool stripColours = false;            // the "Strip colours" setting
    RecentAddresses* recent = nullptr;    // offered every sender that has a "!"
    std::function<void(const std::string&)> statusOutput;  // gets "Unrecognised IRC data"
    std::string slot13Code;               // byte 3 + the number of colour slot 13
    std::string slot14Code;               // byte 3 + the number of colour slot 14
};

// Returns nullptr when the line is malformed (reported through the internal
// error report) or when no class accepts it (reported on statusOutput).
std::unique_ptr<CIRCMessage> ParseIRCLine(std::string_view line, const ParseOptions& options);

// Removes every byte 3 with the digits after it and, when a "," follows
// them, the "," and the digits after that.
void StripColourCodes(std::string& text);

}  // namespace parlevox
