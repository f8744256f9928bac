#pragma once
// What the core asks of the person in front of it: message boxes and text
// prompts. The Qt front end shows real dialogs, the headless client answers
// on the console, and tests script the answers.
#include <optional>
#include <string>
#include <vector>

#include "common/MessageBox.h"

namespace parlevox {

enum class ClipboardResult { Done, CannotOpen, CannotSet };

// A question answered by picking one choice (radio buttons) with OK and
// Cancel. A choice may have a heading shown above it; consecutive choices
// with the same heading share it.
struct ChoiceRequest {
    struct Choice {
        std::string heading;
        std::string text;
    };
    std::string title;
    std::string text;
    std::vector<Choice> choices;
    int initial = 0;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual MessageResult ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Empty when the person cancels.
    virtual std::optional<std::string> PromptText(const std::string& prompt, const std::string& title,
                                                  const std::string& initial) = 0;
    // A save dialog: filter as "Text files (*.txt)|*.txt||", the extension
    // added to a name typed without one. Nothing when the person cancels or
    // there is no way to ask.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& /*title*/, const std::string& /*filter*/,
                                                      const std::string& /*defaultExtension*/,
                                                      const std::string& /*proposedPath*/) {
        return std::nullopt;
    }
    // An open dialog for an existing file, filter as above. Nothing when the
    // person cancels or there is no way to ask.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& /*title*/, const std::string& /*filter*/) {
        return std::nullopt;
    }
    // The chosen index; nothing when the person cancels or there is no way
    // to ask.
    virtual std::optional<int> ChooseOption(const ChoiceRequest& /*request*/) { return std::nullopt; }
    // Puts plain text on the clipboard. Without a clipboard it cannot be opened.
    virtual ClipboardResult SetClipboardText(const std::string&) { return ClipboardResult::CannotOpen; }

    // The one the process uses; never null (a console fallback until set).
    // Kept process-wide for the internal error report, which any code may
    // raise; setting it also routes those reports here.
    static UserInterface& Current();
    static void SetCurrent(UserInterface* ui);
};

}  // namespace parlevox
