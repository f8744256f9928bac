#include "display/MessageWnd.h"

#include <sys/stat.h>

#include "display/ChatWindowFixture.h"
#include "irc/IMNetSystem.h"
#include "platform/SafeFile.h"

namespace parlevox::test {
namespace {

class MessageWndTest : public ChatWindowFixture {
protected:
    MessageWndTest() : window(std::make_unique<CMessageWnd>(Services(), "bob", view)) {}
    ~MessageWndTest() override { window.reset(); }
    std::unique_ptr<CMessageWnd> window;
};

TEST_F(MessageWndTest, ThePartnersEventsShowAndFollowANickChange) {
    const struct {
        const char* line;
        std::string shown;
    } cases[] = {
        {":bob!bu@bh PRIVMSG Me :hi", C(0) + "<" + C(5) + "\bbob\b" + C(0) + "> hi"},
        {":bob!bu@bh NOTICE Me :psst", C(0) + "-" + C(5) + "\bbob\b" + C(0) + "- " + C(1) + "psst"},
        {":bob!bu@bh PRIVMSG Me :\x01" "ACTION nods\x01", C(0) + "* " + C(5) + "\bbob\b" + C(0) + " nods"},
        {":bob!bu@bh NICK rob", C(6) + "# " + C(5) + "\bbob\b" + C(6) + " changes nick to " + C(5) + "\brob"},
        {":rob!bu@bh PRIVMSG Me :again", C(0) + "<" + C(5) + "\brob\b" + C(0) + "> again"},
        {":rob!bu@bh QUIT :gone", C(4) + "# Quits: " + C(5) + "\brob\b" + C(0) + " (gone)"},
    };
    for (const auto& c : cases) {
        network.Receive(c.line);
        EXPECT_EQ(view.Last(), c.shown) << c.line;
        EXPECT_EQ(recorder.handled.back(), 1) << c.line;
    }
    EXPECT_EQ(window->Partner(), "rob");
    EXPECT_EQ(view.captions, (std::vector<std::string>{"bob (bu@bh)", "rob (bu@bh)"}));

    // The old nick and strangers are no longer the partner.
    const size_t shown = view.lines.size();
    network.Receive(":bob!x@y PRIVMSG Me :not you");
    network.Receive(":ann!a@h PRIVMSG Me :hello");
    EXPECT_EQ(view.lines.size(), shown);
    network.Dispatch(std::make_unique<C_imDisconnect>(0));
    EXPECT_EQ(view.Last(), C(13) + "- Disconnected from server");
}

TEST_F(MessageWndTest, TypedLinesGoToThePartnerAndShowOnce) {
    window->Type("hello");
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].line, "/msg bob hello");
    EXPECT_EQ(runner.runs[0].nick, "bob");
    window->Type("/me's here");
    EXPECT_EQ(view.lines, (std::vector<std::string>{C(11) + "<" + C(5) + "\bMe\b" + C(11) + "> hello",
                                                    C(11) + "* " + C(5) + "\bMe\b" + C(11) + "'s here"}));
    // The user's lines to someone else are not this window's.
    network.Receive(":Me!me@here PRIVMSG ann :elsewhere");
    EXPECT_EQ(view.lines.size(), 2u);
}

TEST_F(MessageWndTest, APeersSoundRequestForAPipeInTheSoundFolderPlaysNothing) {
    SafeFile::CreateFolders(dir.File("sounds"));
    ASSERT_EQ(::mkfifo(dir.File("sounds/x.wav").c_str(), 0600), 0);
    network.Receive(":bob!bu@bh PRIVMSG Me :\x01SOUND x.wav\x01");
    EXPECT_EQ(view.Last(), C(14) + "- Sound \x02x.wav\x02 not played: it is not a file in the sound folder.");
    EXPECT_TRUE(audio.played.empty());
}

}  // namespace
}  // namespace parlevox::test
