#pragma once
// Turns one line from the server into a message object of the most specific
// class that accepts it. PING, ERROR and NOTICE lines without a prefix are
// answered by the network window before they get here. Parsing has no side
// effects: what to do with a line that cannot be read is the caller's call.
#include <memory>
#include <string>
#include <string_view>

#include "irc/IRCMessage.h"

namespace parlevox {

struct ParseOptions {
    bool stripColours = false;  // the "Strip colours" setting
};

enum class ParseOutcome {
    Parsed,        // message holds the most specific class
    Malformed,     // no prefix, sender or command could be split off
    Unrecognised,  // split, but no class accepts it
    Partly,        // message holds a general class (a private DCC request of an unknown kind)
};

struct ParsedLine {
    ParseOutcome outcome = ParseOutcome::Malformed;
    std::unique_ptr<CIRCMessage> message;  // set when Parsed or Partly
    std::string sender;                    // the prefix, once it could be split off
};

ParsedLine ParseIRCLine(std::string_view line, const ParseOptions& options);

// Removes every byte 3 with the digits after it and, when a "," follows
// them, the "," and the digits after that.
void StripColourCodes(std::string& text);

}  // namespace parlevox
