#include <gtest/gtest.h>

#include "irc/ColourCodes.h"
#include "irc/IMServer.h"
#include "irc/IRCLineParser.h"
#include "irc/NumericReplyText.h"

namespace parlevox {
namespace {

std::optional<std::string> LineFor(const std::string& raw) {
    std::array<int, ColourCodes::kSlots> values{};
    for (int i = 0; i < ColourCodes::kSlots; ++i) values[static_cast<size_t>(i)] = i + 20;
    ParsedLine parsed = ParseIRCLine(raw, ParseOptions{});
    auto* reply = dynamic_cast<C_imServerNumeric*>(parsed.message.get());
    if (!reply) return "not a numeric reply";
    return NumericReplyLine(*reply, ColourCodes(values));
}

TEST(NumericReplyTextTest, RepliesShowInTheirOwnWords) {
    struct Case {
        const char* raw;
        std::optional<std::string> line;
    } cases[] = {
        {":s 311 me bob ~b host * :[IS1F40] Bob B", "\x03" "33- \b\x03" "25bob\x03" "33\b is ~b@host *  Bob B"},
        {":s 311 me bob ~b host * :[ISnot closed", "\x03" "33- \b\x03" "25bob\x03" "33\b is ~b@host * [ISnot closed"},
        {":s 353 me = #x :@op +voiced  plain", "\x03" "33- #x \x02op\x02 \x1fvoiced\x1f plain "},
        {":s 353 me #x :a", "\x03" "33- #x a "},
        {":s 318 me bob :End of WHOIS", std::nullopt},
        {":s 372 me :- motd", std::nullopt},
        {":s 421 me FOO :Unknown command", "\x03" "33- FOO Unknown command"},
        {":s 251 me :There are 2 users", "\x03" "33- There are 2 users"},
        // Nothing but the command: no parameter is trusted to be there.
        {":s 311 me", "\x03" "33- \b\x03" "25\x03" "33\b is @ * "},
    };
    for (const Case& c : cases) EXPECT_EQ(LineFor(c.raw), c.line) << c.raw;
}

}  // namespace
}  // namespace parlevox
