#include "TextSetup.h"

#include <gtest/gtest.h>

#include "installer/SetupTexts.h"

namespace parlevox {
namespace {

namespace texts = setup_texts;

// Unattended, nothing may loop (the retry questions) or need a display
// (starting the client); everything else takes the box's default.
TEST(TextSetupTest, AnswersAsNobodyAtTheScreenWould) {
    struct Case {
        std::string_view title;
        MessageButtons buttons;
        int defaultButton;
        MessageResult expected;
    } cases[] = {
        {texts::kInstallingOverTitle, MessageButtons::YesNo, 0, MessageResult::Yes},
        {texts::kFolderExistsTitle, MessageButtons::YesNo, 0, MessageResult::Yes},
        {texts::kAddToMenuTitle, MessageButtons::YesNo, 0, MessageResult::Yes},
        {texts::kExtractionErrorTitle, MessageButtons::YesNo, 0, MessageResult::No},
        {texts::kCompleteTitle, MessageButtons::YesNo, 1, MessageResult::No},
        {"Careful question", MessageButtons::YesNoDefaultNo, 0, MessageResult::No},
        {"Preset", MessageButtons::YesNoCancel, 3, MessageResult::Cancel},
        {texts::kInvalidFolderTitle, MessageButtons::Ok, 0, MessageResult::Ok},
    };
    for (const Case& c : cases) {
        MessageBoxRequest box{std::string(c.title), "text", MessageIcon::Question, c.buttons, c.defaultButton};
        EXPECT_EQ(TextSetup::Answer(box), c.expected) << c.title;
    }
}

}  // namespace
}  // namespace parlevox
