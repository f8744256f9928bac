// The "all channels" listing against a real network window: what it asks
// the server, which replies it keeps, that it keeps them from everyone
// else while it runs, and how it ends.
#include "ui/ChannelListQuery.h"

#include <gtest/gtest.h>

#include "irc/EventTypes.h"
#include "support/NetworkFixture.h"

namespace parlevox::test {
namespace {

class ChannelListQueryTest : public NetworkFixture {
protected:
    void SetUp() override {
        ConnectAndRegister();
        state.connected = true;
    }
    size_t NumericsSeen() const { return std::count(listener.types.begin(), listener.types.end(), kServerNumeric); }
    bool Sent(const std::string& line) { return RunUntil([&] { return server->HasLine(line); }); }

    CChannelListQuery query {loop, network->Handle(), state};
};

TEST_F(ChannelListQueryTest, TheListCommandDependsOnTheServicesVersion) {
    const ChannelListFilter filter {5, 300, "linux", false};
    EXPECT_EQ(CChannelListQuery::ListCommand(filter, 4.4), "LIST");
    EXPECT_EQ(CChannelListQuery::ListCommand(filter, 4.5), "LIST >5 <300 *linux*");
}

TEST_F(ChannelListQueryTest, FiltersFollowTheRules) {
    struct Case {
        ListedChannel channel;
        ChannelListFilter filter;
        bool passes;
    };
    const ChannelListFilter plain {2, 100, "", false}, xrated {2, 100, "", true}, text {2, 100, "LiNuX", false};
    const Case cases[] = {
        {{"#a", "", 2}, plain, true},          {{"#a", "", 100}, plain, true},
        {{"#a", "", 1}, plain, false},         {{"#a", "", 101}, plain, false},
        {{"#SeXy", "", 5}, xrated, false},     {{"#SeXy", "", 5}, plain, true},
        {{"#fUcKs", "", 5}, xrated, false},    {{"#essex", "", 5}, xrated, false},
        {{"!abcde", "", 5}, plain, false},     {{"#Linux", "", 5}, text, true},
        {{"#help", "about LINUX", 5}, text, true}, {{"#help", "about bsd", 5}, text, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CChannelListQuery::Passes(c.channel, c.filter), c.passes) << c.channel.name << " " << c.channel.users;
}

TEST_F(ChannelListQueryTest, RepliesAreKeptFromOthersWhileTheListingRuns) {
    state.servicesVersion = 4.5;
    query.Refresh({1, 50, "", true});
    ASSERT_TRUE(Sent("LIST >1 <50 **"));
    loop.RunOnce(0);
    Post(":srv 321 tester Channel :Users  Name");
    Post(":srv 322 tester #one 7 :first topic");
    Post(":srv 322 tester #sexy 7 :dropped");
    Post(":srv 322 tester #many 5000 :too many");
    Post(":srv 322 tester #bad x7 :not a count");
    Post(":srv 322 tester #two 1 :");
    EXPECT_EQ(query.TakeArrived(), (std::vector<ListedChannel> {{"#one", "first topic", 7}, {"#two", "", 1}}));
    EXPECT_TRUE(query.TakeArrived().empty());
    Post(":srv 323 tester :End of /LIST");
    EXPECT_FALSE(query.Running());
    EXPECT_EQ(NumericsSeen(), 0u) << "the listing's replies reached the status window";
    Post(":srv 322 tester #late 9 :after the end");
    EXPECT_TRUE(query.TakeArrived().empty());
    EXPECT_EQ(NumericsSeen(), 1u) << "a reply after the end is not the listing's";
}

TEST_F(ChannelListQueryTest, LeavingARunningListingCutsItShortWhereTheServerCan) {
    state.servicesVersion = 4.5;
    query.Refresh({});
    query.Leave();
    EXPECT_TRUE(Sent("LIST >999"));
    Post(":srv 322 tester #one 7 :topic");
    EXPECT_TRUE(query.TakeArrived().empty());

    state.servicesVersion = 0;
    query.Refresh({});
    query.Leave();
    ASSERT_TRUE(Sent("LIST"));
    EXPECT_EQ(std::count(server->Lines().begin(), server->Lines().end(), "LIST >999"), 1);
}

}  // namespace
}  // namespace parlevox::test
