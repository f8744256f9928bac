#pragma once
// The status window's line for a numeric reply that no other window took:
// WHOIS replies in their own words, the names listing with its marks turned
// into bold and italics, and every other reply as its parameters and text.
#include <optional>
#include <string>

namespace parlevox {

class C_imServerNumeric;
class ColourCodes;

// nullopt for the replies that show nothing (318, 372).
std::optional<std::string> NumericReplyLine(const C_imServerNumeric& reply, const ColourCodes& colours);

// "[IS1F40] Jo" -> " Jo": the realname field of this client's users carries
// its client-link port in front.
std::string WithoutClientLinkTag(const std::string& realName);

}  // namespace parlevox
