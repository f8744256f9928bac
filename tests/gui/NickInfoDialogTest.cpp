// The nick information dialog's window over the core dialog: titled after
// the nick, the "User info" tab asks when shown and shows the fields that
// arrive, read-only; closing it stops the waiting and the core takes it.
#include "ui/qt/NickInfoDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>

#include "platform/PollEventLoop.h"
#include "ui/qt/QtChatViews.h"

namespace parlevox {
namespace {

NickInfoDialog* OpenDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<NickInfoDialog*>(widget); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

TEST(NickInfoDialogTest, TheUserInfoTabAsksShowsWhatArrivesAndGoesWhenClosed) {
    PollEventLoop loop;
    ClientLinkInbox inbox;
    QtChatViews views;
    {
        NickInfoDialogs dialogs(NickInfoServices {loop, 0, inbox}, views.NickInfo());
        ASSERT_TRUE(dialogs.Open("bob"));
        QPointer<NickInfoDialog> dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "bob");
        ASSERT_EQ(dialog->Tabs().count(), 1);
        EXPECT_EQ(dialog->Tabs().tabText(0), "User info");
        EXPECT_NE(inbox.Waiting(), nullptr) << "the page on view asked";
        EXPECT_EQ(dialog->UserinfoTab().StateLabel().text(), "Asking bob for their \"Your Info\" text...");

        ASSERT_EQ(inbox.Deliver({"31", "Tea", "b@example.org", "Bob Smith", "Leeds", "M"}),
                  ClientLinkInbox::Delivery::kDelivered);
        const char* expected[] = {"31", "Tea", "b@example.org", "Bob Smith", "Leeds", "M"};
        for (int i = 0; i < CNickInfoUserinfo::kFields; ++i) {
            EXPECT_EQ(dialog->UserinfoTab().Field(i).text(), expected[i]);
            EXPECT_TRUE(dialog->UserinfoTab().Field(i).isReadOnly());
        }
        EXPECT_TRUE(dialog->UserinfoTab().StateLabel().isHidden());

        dialog->reject();
        EXPECT_EQ(inbox.Waiting(), nullptr);
        EXPECT_EQ(dialogs.Count(), 0u);
        for (int i = 0; i < 3 && dialog; ++i) loop.RunOnce(0);
        EXPECT_TRUE(dialog.isNull()) << "the core dialog took its window with it";
    }
}

}  // namespace
}  // namespace parlevox
