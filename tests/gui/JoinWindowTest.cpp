// The join window: the command line it hands over for what was typed or
// picked, the category tree with its icons, the server's list filling the
// table while it arrives, and the favourites reaching the options record.
#include "ui/qt/JoinWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include <set>
#include <string>
#include <vector>

#include "irc/EventTypes.h"
#include "platform/Clock.h"
#include "settings/MajorChannels.h"
#include "settings/OptionsRecord.h"
#include "support/NetworkFixture.h"
#include "support/ScriptedUserInterface.h"
#include "ui/FavouriteChannels.h"
#include "ui/qt/AllChannelsPage.h"
#include "ui/qt/ChannelListModel.h"

namespace parlevox {
namespace {

template <typename T>
T& Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    EXPECT_TRUE(child) << name;
    return *child;
}

// What every test opens the window with; the listing's parts are filled in
// by the test that lists.
struct Opener {
    Opener() {
        options.channels.resize(2);
        options.channels[0].name = "#secret";
        options.channels[0].password = "pw";
        options.channels[1].name = "&local";
        options.favourites.resize(2);
        options.favourites[0].channel = "#SECRET";
        options.favourites[1].channel = "#fav";
    }
    JoinWindowContext Context() {
        return {options, [this] { ++saves; }, dialogs, [this](const std::string& line) { lines.push_back(line); }};
    }
    std::unique_ptr<JoinWindow> Open() { return std::make_unique<JoinWindow>(Context()); }

    OptionsRecord options;
    test::ScriptedUserInterface dialogs;
    std::vector<std::string> lines;
    int saves = 0;
};

class JoinWindowTest : public testing::Test, protected Opener {
protected:
    static QComboBox& Channel(JoinWindow& window) { return Child<QComboBox>(window, "channel"); }
    static QLineEdit& Key(JoinWindow& window) { return Child<QLineEdit>(window, "key"); }
    static QPushButton& Join(JoinWindow& window) { return Child<QPushButton>(window, "join"); }
};

TEST_F(JoinWindowTest, TypedChannelAndKeyBecomeTheJoinLine) {
    struct Row {
        const char* channel;
        const char* key;
        const char* line;  // empty: Join stays off
    };
    const Row rows[] = {
        {"foo", "", "/join #foo"},
        {"#a", "k", "/join #a k"},
        {"&local", "", "/join &local"},
        {"+modeless", "", "/join +modeless"},
        {"!12345ab", "", "/join !12345ab"},
        {"  #pad  ", " key ", "/join #pad key"},
        {"", "k", ""},
        {"#a b", "", ""},
        {"#a,#b", "", ""},
        {"#a", "two words", ""},
    };
    for (const Row& row : rows) {
        lines.clear();
        auto window = Open();
        Channel(*window).setEditText(row.channel);
        Key(*window).setText(row.key);
        Join(*window).click();
        const std::vector<std::string> expected =
            *row.line ? std::vector<std::string> {row.line} : std::vector<std::string> {};
        EXPECT_EQ(lines, expected) << row.channel << " / " << row.key;
        EXPECT_EQ(window->result() == QDialog::Accepted, !expected.empty()) << row.channel;
    }
}

TEST_F(JoinWindowTest, RememberedChannelsAreOfferedAndBringTheirKey) {
    auto window = Open();
    QComboBox& channel = Channel(*window);
    ASSERT_EQ(channel.count(), 3) << "a favourite already remembered is listed once";
    EXPECT_EQ(channel.itemText(2), "#fav");
    EXPECT_TRUE(channel.currentText().isEmpty());
    channel.setCurrentIndex(0);
    emit channel.activated(0);
    EXPECT_EQ(Key(*window).text(), "pw");
    Join(*window).click();
    EXPECT_EQ(lines, std::vector<std::string> {"/join #secret pw"});
}

QTreeWidgetItem* FindItem(QTreeWidget& tree, const QString& text) {
    const QList<QTreeWidgetItem*> found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

TEST_F(JoinWindowTest, TheCategoriesShowTheShippedFileWithItsIconsAndJoinOrKeepAChannel) {
    const MajorChannels categories = MajorChannels::Read(PARLEVOX_MAJOR_CHANNELS_FILE);
    ASSERT_FALSE(categories.Problem()) << *categories.Problem();
    JoinWindowContext context = Context();
    context.categories = &categories;
    JoinWindow window(context);
    window.ShowPage(JoinWindow::kCategoriesPage);
    QTreeWidget& tree = Child<QTreeWidget>(window, "categories");
    QPushButton& join = Child<QPushButton>(window, "categoryJoin");
    QPushButton& keep = Child<QPushButton>(window, "categoryFavourite");

    ASSERT_EQ(tree.topLevelItemCount(), static_cast<int>(categories.Root().children.size())) << "MAIN is the frame";
    EXPECT_EQ(tree.topLevelItem(0)->text(0), "Help");
    QTreeWidgetItem* help = FindItem(tree, "#help");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->parent(), tree.topLevelItem(0));
    EXPECT_EQ(help->text(1), "General questions about IRC: commands, modes, nicknames");
    // The help tile is sea green: a swap of red and blue would show it purple.
    const QImage icon = help->icon(0).pixmap(48, 48).toImage();
    ASSERT_FALSE(icon.isNull());
    const QColor tile = icon.pixelColor(6, 24);
    EXPECT_GT(tile.green(), tile.blue());
    EXPECT_GT(tile.blue(), tile.red());

    tree.setCurrentItem(tree.topLevelItem(0));
    EXPECT_FALSE(join.isEnabled()) << "a category is no channel";
    tree.setCurrentItem(help);
    ASSERT_TRUE(join.isEnabled());
    emit tree.itemDoubleClicked(help, 0);
    join.click();
    EXPECT_EQ(lines, (std::vector<std::string> {"/join #help", "/join #help"}));
    EXPECT_NE(window.result(), QDialog::Accepted) << "the list pages stay open";

    for (int twice = 0; twice < 2; ++twice) keep.click();
    ASSERT_EQ(options.favourites.size(), 3u) << "kept once";
    EXPECT_EQ(options.favourites[2], (FavouriteChannel {"#help", "< not yet updated >", false}));
    EXPECT_EQ(saves, 1);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].title, "Added to favourite channels");
    EXPECT_EQ(dialogs.boxes[0].text,
              "The selected channel has been added to your list of favourite channels.\n\nYou can see and manipulate "
              "the list from the \"Favourite channels\" tab on the dialog box.");
    EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Information);
    QTreeWidget& favourites = Child<QTreeWidget>(window, "favourites");
    EXPECT_EQ(favourites.topLevelItemCount(), 3) << "the favourites page shows it at once";
}

TEST_F(JoinWindowTest, FavouritesAreAddedToggledAndRemovedInTheRecord) {
    auto window = Open();
    window->ShowPage(JoinWindow::kFavouritesPage);
    QTreeWidget& list = Child<QTreeWidget>(*window, "favourites");
    dialogs.promptAnswers = {std::string(" #new "), std::string("two words"), std::nullopt};
    for (int i = 0; i < 3; ++i) Child<QPushButton>(*window, "favouriteAdd").click();
    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[0].prompt,
              "Enter the name (including the #) of the channel you'd like to add to the favourites list.");
    EXPECT_EQ(dialogs.prompts[0].title, "Add favourite channel");
    ASSERT_EQ(options.favourites.size(), 3u) << "a name with a blank is refused, a cancel adds nothing";
    EXPECT_EQ(options.favourites[2], (FavouriteChannel {"#new", "< not yet updated >", false}));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Add favourite channel");
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.currentItem(), list.topLevelItem(2)) << "the new one is selected";

    list.topLevelItem(1)->setCheckState(2, Qt::Checked);
    EXPECT_TRUE(options.favourites[1].autoJoin);
    list.setCurrentItem(list.topLevelItem(1));
    Child<QPushButton>(*window, "favouriteJoin").click();
    EXPECT_EQ(lines, std::vector<std::string> {"/join #fav"});
    Child<QPushButton>(*window, "favouriteRemove").click();
    ASSERT_EQ(options.favourites.size(), 2u);
    EXPECT_EQ(options.favourites[1].channel, "#new");
    EXPECT_EQ(saves, 3);
}

// A fake server answers LIST in parts; the table takes each part while
// the listing runs and Refresh comes back with the 323.
class JoinWindowListingTest : public test::NetworkFixture, protected Opener {
protected:
    void SetUp() override {
        ConnectAndRegister();
        state.connected = true;
        state.servicesVersion = 4.5;
    }
    std::unique_ptr<JoinWindow> OpenListing() {
        JoinWindowContext context = Context();
        context.loop = &loop;
        context.networkWindow = network->Handle();
        context.connection = &state;
        auto window = std::make_unique<JoinWindow>(context);
        window->ShowPage(JoinWindow::kAllChannelsPage);
        return window;
    }
    bool Pump(const std::function<bool()>& done) {
        const uint64_t end = Clock::TickCount() + kWatchdogMs;
        while (!done()) {
            if (Clock::TickCount() > end) return false;
            loop.RunOnce(1);
            QCoreApplication::processEvents();
        }
        return true;
    }
    static std::string Reply(int i) {
        // Every 50th is X-rated, every 70th has more users than the page's maximum.
        const std::string name = i % 50 == 0 ? "#SeXy" + std::to_string(i) : "#chan" + std::to_string(i);
        const int users = i % 70 == 0 ? 20000 : i % 997;
        return ":srv 322 tester " + name + " " + std::to_string(users) + " :topic \x02" "of\x02 " + std::to_string(i) +
               "\r\n";
    }
};

TEST_F(JoinWindowListingTest, TheTableFillsWhileTheListingRunsAndRefreshComesBackAtTheEnd) {
    constexpr int kParts = 4, kPerPart = 1000;
    auto window = OpenListing();
    auto& page = Child<AllChannelsPage>(*window, "allChannels");
    QPushButton& refresh = Child<QPushButton>(*window, "refresh");
    refresh.click();
    EXPECT_FALSE(refresh.isEnabled());
    ASSERT_TRUE(Pump([&] { return server->HasLine("LIST >0 <9999 **"); }));
    server->Send(":srv 321 tester Channel :Users  Name\r\n");

    int expected = 0;
    for (int part = 0; part < kParts; ++part) {
        std::string lines;
        for (int i = part * kPerPart; i < (part + 1) * kPerPart; ++i) {
            lines += Reply(i);
            expected += i % 50 != 0 && i % 70 != 0;
        }
        server->Send(lines);
        ASSERT_TRUE(Pump([&] { return page.Model().Count() == expected; })) << "part " << part;
        EXPECT_FALSE(refresh.isEnabled()) << "still listing after part " << part;
    }
    server->Send(":srv 323 tester :End of /LIST\r\n");
    ASSERT_TRUE(Pump([&] { return refresh.isEnabled(); }));
    EXPECT_EQ(page.Model().Count(), expected);
    EXPECT_EQ(std::count(listener.types.begin(), listener.types.end(), kServerNumeric), 0)
        << "the listing reached the status window";

    // Sorted by users, most first, with the formatting gone from the topics.
    const ListedChannel& top = page.Model().At(0);
    EXPECT_EQ(top.users, 996);
    EXPECT_EQ(top.topic.find('\x02'), std::string::npos);
    auto& table = Child<QTableView>(*window, "channelList");
    table.selectRow(0);
    Child<QPushButton>(*window, "listJoin").click();
    Child<QPushButton>(*window, "listFavourite").click();
    EXPECT_EQ(lines, std::vector<std::string> {"/join " + top.name});
    EXPECT_EQ(options.favourites.back().channel, top.name);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Added to favourite channels");
}

TEST_F(JoinWindowListingTest, LeavingThePageOrClosingTheWindowCutsTheListingShort) {
    for (bool close : {false, true}) {
        SCOPED_TRACE(close ? "closing" : "leaving");
        auto window = OpenListing();
        QPushButton& refresh = Child<QPushButton>(*window, "refresh");
        refresh.click();
        const size_t cuts = std::count(server->Lines().begin(), server->Lines().end(), "LIST >999");
        if (close) window->reject();
        else window->ShowPage(JoinWindow::kFavouritesPage);
        EXPECT_TRUE(refresh.isEnabled());
        ASSERT_TRUE(Pump([&] {
            return static_cast<size_t>(std::count(server->Lines().begin(), server->Lines().end(), "LIST >999")) ==
                   cuts + 1;
        }));
    }
}

}  // namespace
}  // namespace parlevox
