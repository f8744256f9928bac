// The core's choice question as a dialog: a heading shared by consecutive
// choices shows once with its choices indented below it, the initial
// choice is checked, and the answer follows the buttons.
#include "ui/qt/ChoiceDialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace parlevox {
namespace {

TEST(ChoiceDialogTest, HeadingsGroupTheirChoices) {
    const ChoiceRequest request{"Edit scheme",
                                "What would you like to do?",
                                {{"Create a new scheme specific to this window:", "by making a new copy of the current scheme"},
                                 {"Create a new scheme specific to this window:", "by starting from a blank scheme"},
                                 {"", "Edit the existing scheme"}},
                                2};
    ChoiceDialog dialog(request);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Edit scheme");
    int headings = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        headings += label->text() == "Create a new scheme specific to this window:";
    EXPECT_EQ(headings, 1);
    EXPECT_GT(dialog.Choice(0).x(), dialog.Choice(2).x());
    EXPECT_EQ(dialog.Choice(0).x(), dialog.Choice(1).x());
    EXPECT_EQ(dialog.Chosen(), 2);
    dialog.Choice(1).click();
    EXPECT_EQ(dialog.Chosen(), 1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace parlevox
