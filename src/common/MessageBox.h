#pragma once
// A message box as the core asks for it: shown by whatever front end is in
// charge (see platform/UserInterface.h).
#include <string>

namespace parlevox {

enum class MessageIcon { None, Information, Exclamation, Question, Stop };
// YesNoDefaultNo: Yes and No with No preselected, for questions whose
// careless answer should be No.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MessageResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

inline bool IsQuestion(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ||
           buttons == MessageButtons::YesNoDefaultNo;
}

}  // namespace parlevox
