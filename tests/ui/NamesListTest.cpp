// The names list following a channel through real dispatch: listings, modes,
// nick changes, parts, kicks, disconnects; lookups, completion, the mouse,
// and drawing each entry in its status's face.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "display/Scheme.h"
#include "display/SchemeTextPainter.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMNetSystem.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/NamesReply.h"
#include "irc/NetworkWnd.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"
#include "support/ScriptedUserInterface.h"
#include "ui/NamesList.h"
#include "ui/NamesListActions.h"
#include "ui/NamesListPainter.h"

namespace parlevox {
namespace {

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

// The main frame's part: names replies become name events (before any
// channel window), and what nobody ended is shown last.
class MainFrameStandIn final : public EventHandlerWindow {
public:
    MainFrameStandIn(EventLoop& loop, WindowHandle network, CIRCNotifyList& list)
        : EventHandlerWindow(loop, network), list_(list) {
        HandlerRecord names;
        names.eventType = kServerNumeric;
        names.filters = filter::kNumeric;
        names.numeric = 353;
        names.priority = priority::kAutomatic;
        namesId_ = Register(names);
        Register(kServerNumeric, priority::kFallback);
    }
    std::vector<int> shown;  // numerics that reached the fallback

protected:
    void OnEvent(CIRCMessage& message, uint32_t id) override {
        auto& reply = static_cast<C_imServerNumeric&>(message);
        if (id == namesId_) {
            for (auto& name : SplitNamesReply(reply)) list_.Dispatch(std::move(name));
        } else {
            shown.push_back(reply.numeric);
        }
    }

private:
    CIRCNotifyList& list_;
    uint32_t namesId_ = 0;
};

struct RecordingActions final : NamesListActions {
    void OpenUserMenu(const std::string& nick, const std::string& channel, int x, int y) override {
        log.push_back("menu " + nick + " " + channel + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void RunCommand(const std::string& line, const std::string& channel, const std::string& nick) override {
        log.push_back("run " + line + " | " + channel + " | " + nick);
    }
    void ForwardCharacter(char c) override { log.push_back(std::string("char ") + c); }
    std::vector<std::string> log;
};

class NamesListTest : public ::testing::Test {
protected:
    NamesListTest() { state.currentNick = "Me"; }

    void Feed(const std::string& line) {
        ParseOptions options;
        auto parsed = ParseIRCLine(line, options);
        ASSERT_TRUE(parsed.message) << line;
        dispatch.Dispatch(std::move(parsed.message));
    }
    void Listing(const std::string& channel, const std::string& names) {
        Feed(":srv 353 me = " + channel + " :" + names);
        Feed(":srv 366 me " + channel + " :End of /NAMES list.");
    }
    std::vector<std::string> Texts(const CNamesList& names) const {
        std::vector<std::string> texts;
        names.Entries().VisitFrom(0, [&](size_t, const std::string& t) {
            texts.push_back(t);
            return true;
        });
        return texts;
    }
    std::vector<std::string> Reports() const {
        std::vector<std::string> found;
        for (const auto& box : ui.boxes)
            for (const char* at : {"NamesList 213", "NamesList 228", "NamesList 251"})
                if (box.text.find(at) != std::string::npos) found.push_back(at);
        return found;
    }

    PollEventLoop loop;
    test::LoopLeftEmpty loopCheck{loop};
    test::ScriptedUserInterface ui;
    CIRCNotifyList dispatch{loop};
    NoStatus status;
    ConnectionState state;
    CNetworkWnd network{loop, state, status, dispatch, nullptr};
    MainFrameStandIn frame{loop, network.Handle(), dispatch};
    CNamesList list{loop, network.Handle(), state, "#chan"};
};

TEST_F(NamesListTest, ListingSortsOperatorsThenVoicedThenOthersAndEndsAt366) {
    Feed(":srv 353 me = #chan :carol @alice +bob Dave @Zed +@both @");
    EXPECT_TRUE(frame.shown.empty()) << "the listing after a join is not shown";
    Feed(":srv 366 me #chan :End of /NAMES list.");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"oalice1", "Oboth1", "oZed1", "vbob1", "zcarol1", "zDave1"}));
    EXPECT_FALSE(list.ExpectingListing());
    // A later /NAMES is shown and changes nothing.
    Feed(":srv 353 me = #chan :@mallory");
    EXPECT_EQ(frame.shown, (std::vector<int>{366, 353}));
    EXPECT_EQ(list.Count(), 6u);
}

TEST_F(NamesListTest, EachWindowWaitsForTheEndOfItsOwnListing) {
    CNamesList other{loop, network.Handle(), state, "#other"};
    Listing("#chan", "alice");
    Listing("#other", "bob");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"zalice1"}));
    EXPECT_EQ(Texts(other), (std::vector<std::string>{"zbob1"}));
}

struct ModeCase {
    const char* modes;
    NickStatus alice, bob, carol;
};

// alice and carol start with neither, bob with voice.
const ModeCase kModeCases[] = {
    {"+o-v alice bob", {true, false}, {false, false}, {}},
    {"+kov key carol carol", {}, {false, true}, {true, true}},   // k takes the key
    {"-k+o key carol", {}, {false, true}, {}},                   // -k takes nothing
    {"+b-l+v *!*@x carol", {}, {false, true}, {false, true}},    // b takes the mask, -l nothing
    {"+l+o 10 alice", {true, false}, {false, true}, {}},
    {"+oooo alice", {true, false}, {false, true}, {}},           // more flags than nicks
    {"+o alice bob carol extra", {true, false}, {false, true}, {}},
    {"+o stranger", {}, {false, true}, {}},                      // not here
    {"+xyz~o alice", {true, false}, {false, true}, {}},          // outside + to v
    {"+o-o+v alice alice alice", {false, true}, {false, true}, {}},
};

TEST_F(NamesListTest, ModesWalkTheirFlagsAndTakeParametersAsTheyGo) {
    for (const ModeCase& c : kModeCases) {
        for (const char* nick : {"alice", "bob", "carol"})
            if (list.Contains(nick)) list.Remove(nick);
        list.Add("alice", false, false);
        list.Add("bob", false, true);
        list.Add("carol", false, false);
        Feed(std::string(":op!o@h MODE #chan ") + c.modes);
        EXPECT_EQ(list.Status("alice"), c.alice) << c.modes;
        EXPECT_EQ(list.Status("bob"), c.bob) << c.modes;
        EXPECT_EQ(list.Status("carol"), c.carol) << c.modes;
    }
    EXPECT_TRUE(Reports().empty());
}

TEST_F(NamesListTest, JoinsPartsKicksAndNickChangesKeepMembership) {
    Listing("#chan", "@Me @alice +bob");
    Feed(":Me!u@h JOIN :#chan");        // our own: already listed, never added twice
    Feed(":carol!u@h JOIN :#chan");
    Feed(":alice!u@h NICK :Alicia");    // keeps operator status
    Feed(":bob!u@h NICK :carol");       // onto a nick already here
    Feed(":ghost!u@h PART #chan");      // not here
    Feed(":op!u@h KICK #chan nobody :bye");
    Feed(":op!u@h KICK #chan Me :bye");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"oAlicia1", "zcarol1"}));
    Feed(":carol!u@h PART #chan :later");
    Feed(":x!u@h JOIN :#elsewhere");
    Feed(":srv 353 me = #elsewhere :@x y");  // no window of that channel
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"oAlicia1"}));
    EXPECT_TRUE(Reports().empty());
}

TEST_F(NamesListTest, DisconnectEmptiesAndReconnectingListsAgain) {
    Listing("#chan", "@alice bob");
    dispatch.Dispatch(std::make_unique<C_imDisconnect>(0));
    EXPECT_EQ(list.Count(), 0u);
    const size_t handlers = dispatch.HandlerCount();
    dispatch.Dispatch(std::make_unique<C_imConnect>(0));
    EXPECT_EQ(dispatch.HandlerCount(), handlers + 3);
    dispatch.Dispatch(std::make_unique<C_imConnect>(0));  // already waiting
    EXPECT_EQ(dispatch.HandlerCount(), handlers + 3);
    Listing("#chan", "+carol");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"vcarol1"}));
    EXPECT_EQ(dispatch.HandlerCount(), handlers);
}

TEST_F(NamesListTest, LookupsThatMustSucceedAreReportedWithTheirLines) {
    list.Add("alice", true, false);
    EXPECT_EQ(list.Status("nobody"), NickStatus{});
    list.SetStatus("nobody", true, true);
    list.RemoveMember("nobody");
    EXPECT_EQ(Reports(), (std::vector<std::string>{"NamesList 213", "NamesList 228", "NamesList 251"}));
    EXPECT_EQ(list.Find("ALICE"), 0);
    EXPECT_EQ(list.Find("nobody"), -1);
}

TEST_F(NamesListTest, StatusChangesKeepTheSelectionAndTheDigit) {
    Listing("#chan", "alice bob carol");
    list.Select(list.Find("carol"));
    list.SetStatus("carol", true, false);
    EXPECT_EQ(Texts(list).front(), "ocarol1");
    EXPECT_EQ(list.Selection(), 0);
    EXPECT_EQ(list.SelectedNick(), "carol");
    list.Remove("carol");
    EXPECT_EQ(list.Selection(), -1);
}

TEST_F(NamesListTest, CompletionNeedsExactlyOneMatch) {
    struct Case {
        const char* prefix;
        bool found;
        const char* suffix;
    };
    Listing("#chan", "@alice +Albert bob");
    for (const Case& c : {Case{"al", true, ""}, Case{"ALI", true, "ce"}, Case{"b", true, "ob"},
                          Case{"z", false, ""}, Case{"alicex", false, ""}}) {
        const NickCompletion result = list.Complete(c.prefix);
        EXPECT_EQ(result.found, c.found) << c.prefix;
        EXPECT_EQ(result.suffix, c.suffix) << c.prefix;
    }
}

TEST_F(NamesListTest, MouseAndKeysGoThroughTheActions) {
    RecordingActions actions;
    list.SetActions(&actions);
    Listing("#chan", "@alice bob");
    list.RightButton(-1, 5, 6);  // nothing selected, nothing under the pointer
    list.RightButton(1, 7, 8);
    list.DoubleClick();
    list.SetDoubleClickCommand("/whois % %% %sN%");
    list.DoubleClick();
    list.Character('x');
    EXPECT_EQ(actions.log, (std::vector<std::string>{"menu bob #chan 7,8", "run /query bob | #chan | bob",
                                                     "run /whois bob %% %sN% | #chan | bob", "char x"}));
}

TEST_F(NamesListTest, HostileBurstsLeaveAConsistentList) {
    std::string names;
    for (int i = 0; i < 20000; ++i) names += (i % 7 ? "+n" : "@N") + std::to_string(i) + " ";
    Feed(":srv 353 me = #chan :" + names + names);  // every name twice
    Feed(":srv 366 me #chan :End");
    ASSERT_EQ(list.Count(), 20000u);
    const std::vector<std::string> texts = Texts(list);
    for (size_t i = 1; i < texts.size(); ++i) ASSERT_TRUE(NamesListEntries::Less(texts[i - 1], texts[i])) << i;
    for (int i = 0; i < 20000; i += 2) Feed(":x!u@h PART #chan");  // absent
    for (int i = 0; i < 20000; i += 2) Feed(":n" + std::to_string(i) + "!u@h PART #chan");
    EXPECT_EQ(list.Count(), 10000u);
    EXPECT_EQ(list.Find("n1"), static_cast<int>(list.Entries().IndexOf("vn11")));
    EXPECT_TRUE(Reports().empty());
}

class NamesListPaintTest : public NamesListTest {
protected:
    NamesListPaintTest() { list.SetScheme(&scheme); }
    // The row drawn alone in one face, for comparison.
    CRawBitmap Reference(const std::string& nick, int font, BgrColour text, BgrColour fill) {
        CRawBitmap image = CRawBitmap::TrueColour(kWidth, NamesListPainter::EntryHeight(&scheme));
        {
            SchemeTextPainter painter(image, scheme.TextFont().Glyphs());
            painter.DrawPiece(0, 0, 0, std::string(kWidth, ' '), fill, fill);
        }
        SchemeTextPainter painter(image, scheme.TextFont().Glyphs());
        painter.DrawPiece(NamesListPainter::kTextLeft, 0, font, nick, text, std::nullopt);
        return image;
    }
    bool RowEquals(const CRawBitmap& image, int row, const CRawBitmap& reference) {
        const int height = reference.Height();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (!(image.PixelColour(x, row * height + y) == reference.PixelColour(x, y))) return false;
        return true;
    }

    static constexpr int kWidth = 120;
    CScheme scheme;
};

TEST_F(NamesListPaintTest, EachEntryIsDrawnInItsStatussFace) {
    Listing("#chan", "+@both @op +voiced plain");
    const BgrColour text = scheme.Colour(1), back = ToBgr(scheme.Background());
    CRawBitmap image = CRawBitmap::TrueColour(kWidth, 5 * NamesListPainter::EntryHeight(&scheme));
    list.Select(list.Find("voiced"));
    ASSERT_TRUE(NamesListPainter::Paint(list, 0, image));
    EXPECT_TRUE(RowEquals(image, 0, Reference("both", SchemeFontGlyphs::kBoldItalic, text, back)));
    EXPECT_TRUE(RowEquals(image, 1, Reference("op", SchemeFontGlyphs::kBold, text, back)));
    EXPECT_FALSE(RowEquals(image, 1, Reference("op", SchemeFontGlyphs::kNormal, text, back)));
    EXPECT_TRUE(RowEquals(image, 2, Reference("voiced", SchemeFontGlyphs::kItalic, back, text)));  // selected
    EXPECT_TRUE(RowEquals(image, 3, Reference("plain", SchemeFontGlyphs::kNormal, text, back)));
    EXPECT_EQ(image.PixelColour(0, image.Height() - 1), back);
    EXPECT_EQ(NamesListPainter::EntryAt(list, 1, NamesListPainter::EntryHeight(&scheme) * 2), 3);
    EXPECT_EQ(NamesListPainter::EntryAt(list, 1, NamesListPainter::EntryHeight(&scheme) * 3), -1);
}

TEST_F(NamesListPaintTest, NothingIsDrawnWithoutAScheme) {
    Listing("#chan", "@op");
    list.SetScheme(nullptr);
    CRawBitmap image = CRawBitmap::TrueColour(kWidth, 40);
    const CRawBitmap before = image;
    EXPECT_FALSE(NamesListPainter::Paint(list, 0, image));
    EXPECT_TRUE(std::equal(image.Pixels().begin(), image.Pixels().end(), before.Pixels().begin()));
    EXPECT_EQ(list.Background(), CScheme::kDefaultBackground);
}

}  // namespace
}  // namespace parlevox
