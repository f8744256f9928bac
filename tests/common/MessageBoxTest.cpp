// A box nobody sees (the headless client, before a front end is up) takes
// its preselected button: a question whose safe answer is Cancel must not
// be answered No, which would let a script start a program.
#include "common/MessageBox.h"

#include <gtest/gtest.h>

namespace parlevox {
namespace {

TEST(MessageBoxTest, AnUnattendedBoxTakesItsPreselectedButtonElseNoToAQuestion) {
    struct Case {
        MessageButtons buttons;
        int defaultButton;
        MessageResult answer;
    };
    const Case cases[] = {
        {MessageButtons::YesNoCancel, 3, MessageResult::Cancel},
        {MessageButtons::YesNoCancel, 1, MessageResult::Yes},
        {MessageButtons::YesNoCancel, 0, MessageResult::No},
        {MessageButtons::YesNo, 3, MessageResult::No},  // no third button: the usual answer
        {MessageButtons::YesNoDefaultNo, 0, MessageResult::No},
        {MessageButtons::OkCancel, 2, MessageResult::Cancel},
        {MessageButtons::Ok, 0, MessageResult::Ok},
        {MessageButtons::Ok, -1, MessageResult::Ok},
    };
    for (const Case& c : cases) {
        MessageBoxRequest box;
        box.buttons = c.buttons;
        box.defaultButton = c.defaultButton;
        EXPECT_EQ(UnattendedAnswer(box), c.answer) << static_cast<int>(c.buttons) << " " << c.defaultButton;
    }
}

}  // namespace
}  // namespace parlevox
