#pragma once
// Small rules over raw lines that the network window applies before a line
// goes out or is parsed.
#include <string>
#include <string_view>

namespace parlevox {

// Makes a line ready for the server: keeps its own terminator ("\r\n" or
// "\n") or adds "\r\n", and cuts the text at the first CR, LF or NUL before
// the terminator, so text echoed from a peer can never carry a second
// command. False when the result would not fit in limit bytes (out then
// holds the oversized line, for the report).
bool PrepareOutgoingLine(std::string_view line, size_t limit, std::string& out);

// ":server PING :token": a PING with a sender prefix.
bool IsPrefixedPing(std::string_view line);

}  // namespace parlevox
