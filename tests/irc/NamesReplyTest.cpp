// Names replies split into one name event per person, for the right channel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "irc/IRCLineParser.h"
#include "irc/NamesReply.h"

namespace parlevox {
namespace {

std::unique_ptr<C_imServerNumeric> Reply(const std::string& line) {
    ParseOptions options;
    auto parsed = ParseIRCLine(line, options);
    auto* numeric = dynamic_cast<C_imServerNumeric*>(parsed.message.get());
    EXPECT_TRUE(numeric) << line;
    if (!numeric) return nullptr;
    parsed.message.release();
    return std::unique_ptr<C_imServerNumeric>(numeric);
}

struct SplitCase {
    const char* line;
    const char* channel;
    std::vector<std::string> names;
};

const SplitCase kSplitCases[] = {
    {":srv 353 me = #chan :@alice +bob carol", "#chan", {"@alice", "+bob", "carol"}},
    {":srv 353 me * #priv :dave", "#priv", {"dave"}},
    {":srv 353 me @ #secret :@eve", "#secret", {"@eve"}},
    {":srv 353 me #old :frank", "#old", {"frank"}},              // no kind marker
    {":srv 353 me = #chan :  a   b  ", "#chan", {"a", "b"}},      // runs of blanks
    {":srv 353 me = #chan :", "#chan", {}},
    {":srv 353 me = :a b", "", {}},                                // no channel after the marker
    {":srv 353 me nobody :a b", "", {}},                           // nothing names a channel
};

TEST(NamesReplyTest, EveryNameBecomesAnEventOfTheRepliesChannel) {
    for (const SplitCase& c : kSplitCases) {
        auto reply = Reply(c.line);
        ASSERT_TRUE(reply);
        EXPECT_EQ(NamesReplyChannel(*reply), c.channel) << c.line;
        auto events = SplitNamesReply(*reply);
        std::vector<std::string> names;
        for (const auto& event : events) {
            names.push_back(event->targetNick);
            EXPECT_EQ(event->eventType, kChannelName);
            EXPECT_EQ(event->channel, c.channel) << c.line;
            EXPECT_EQ(event->sender, "srv");
        }
        EXPECT_EQ(names, c.names) << c.line;
    }
}

}  // namespace
}  // namespace parlevox
