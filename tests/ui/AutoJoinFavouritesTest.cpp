// Favourites marked auto-join have their channel windows from the start, so
// the first connection joins them; the others wait to be joined by hand.
#include <gtest/gtest.h>

#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/RecordingViews.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/StatusWindow.h"

namespace parlevox {
namespace {

TEST(AutoJoinFavouritesTest, OnlyAutoJoinFavouritesOpenAtStart) {
    test::TempDir home;
    test::WriteWholeFile(home.File("settings.reg"),
                         "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Favourites]\n"
                         "\"Count\"=dword:00000003\n"
                         "\"00000000Channel\"=\"#linux\"\n\"00000000AutoJoin\"=dword:00000001\n"
                         "\"00000001Channel\"=\"#later\"\n\"00000001AutoJoin\"=dword:00000000\n"
                         "\"00000002Channel\"=\"#chess\"\n\"00000002AutoJoin\"=dword:00000001\n");
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio {false};
    CScheme scheme;
    std::vector<std::string> lines;
    test::LineRecordingView statusView {lines};
    CStatusWindow status {ui, scheme, statusView};
    test::LineRecordingViews views;
    CBrimvaleApp app(FrontEnd {loop, ui, audio, status}, AppStartOptions {home.File("settings.reg"), home.Path()});
    ASSERT_EQ(app.Options().favourites.size(), 3u);
    CChatSession session(app, status, views);
    EXPECT_NE(session.Windows().FindChannel("#linux"), nullptr);
    EXPECT_NE(session.Windows().FindChannel("#chess"), nullptr);
    EXPECT_EQ(session.Windows().FindChannel("#later"), nullptr);
}

}  // namespace
}  // namespace parlevox
