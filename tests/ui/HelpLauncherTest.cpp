// The help key opens the contents once per burst of requests.
#include "ui/HelpLauncher.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Shell.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

TEST(HelpLauncherTest, RequestsWithin250MillisecondsOfTheLastAreIgnored) {
    std::vector<std::string> opened;
    bool works = true;
    Shell::SetOpener([&](const std::string& target) {
        opened.push_back(target);
        return works;
    });
    test::ScriptedUserInterface ui;
    uint64_t now = 5000;
    HelpLauncher help("parlevox-home/", ui, [&] { return now; });

    struct Press {
        uint64_t at;
        bool opens;
    };
    // A held key repeats every 30 ms: one opening, however long it is held.
    const std::vector<Press> presses = {{5000, true}, {5030, false}, {5240, false}, {5489, false},
                                        {5739, true}, {5988, false}, {6300, true}};
    for (const Press& press : presses) {
        now = press.at;
        EXPECT_EQ(help.OpenContents(), press.opens) << press.at;
    }
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened.front(), "parlevox-home/Help/index.html");
    EXPECT_TRUE(ui.boxes.empty());

    works = false;
    now += 1000;
    EXPECT_FALSE(help.OpenContents());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Help");
    Shell::SetOpener(nullptr);
}

}  // namespace
}  // namespace parlevox
