#pragma once
// A message box as the core asks for it: shown by whatever front end is in
// charge (see platform/UserInterface.h).
#include <optional>
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
    // The preselected button, counted from 1 in the order the buttons show
    // (Yes, No, Cancel); 0: the usual one (the first, No for YesNoDefaultNo).
    int defaultButton = 0;
};

inline bool IsQuestion(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ||
           buttons == MessageButtons::YesNoDefaultNo;
}

// What the button at `position` (from 1) of the set answers; nothing when
// the set has no such button.
inline std::optional<MessageResult> ButtonAt(MessageButtons buttons, int position) {
    switch (buttons) {
        case MessageButtons::Ok:
            if (position == 1) return MessageResult::Ok;
            break;
        case MessageButtons::OkCancel:
            if (position == 1) return MessageResult::Ok;
            if (position == 2) return MessageResult::Cancel;
            break;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoDefaultNo:
        case MessageButtons::YesNoCancel:
            if (position == 1) return MessageResult::Yes;
            if (position == 2) return MessageResult::No;
            if (position == 3 && buttons == MessageButtons::YesNoCancel) return MessageResult::Cancel;
            break;
    }
    return std::nullopt;
}

// The answer of a box nobody can see (the console, before a front end is
// up): its preselected button when it names one, else No to a question.
inline MessageResult UnattendedAnswer(const MessageBoxRequest& request) {
    if (std::optional<MessageResult> preset = ButtonAt(request.buttons, request.defaultButton)) return *preset;
    return IsQuestion(request.buttons) ? MessageResult::No : MessageResult::Ok;
}

}  // namespace parlevox
