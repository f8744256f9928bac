#pragma once
// The test stand-in for dialogs: records every box and prompt and answers
// from queues the test fills (default: OK / cancelled prompt).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace parlevox::test {

class ScriptedUserInterface : public UserInterface {
public:
    struct Prompt {
        std::string prompt, title, initial;
    };

    struct SaveDialog {
        std::string title, filter, extension, proposedPath;
    };

    ScriptedUserInterface();  // installs itself as the current interface
    ~ScriptedUserInterface() override;

    MessageResult ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> PromptText(const std::string& prompt, const std::string& title,
                                          const std::string& initial) override;
    std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                              const std::string& defaultExtension,
                                              const std::string& proposedPath) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter) override {
        openDialogs.push_back({title, filter, "", ""});
        if (openAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<int> ChooseOption(const ChoiceRequest& request) override {
        choices.push_back(request);
        if (choiceAnswers.empty()) return std::nullopt;
        std::optional<int> answer = choiceAnswers.front();
        choiceAnswers.pop_front();
        return answer;
    }
    ClipboardResult SetClipboardText(const std::string& text) override {
        clipboard.push_back(text);
        return clipboardAnswer;
    }

    std::vector<MessageBoxRequest> boxes;
    std::vector<Prompt> prompts;
    std::vector<SaveDialog> saveDialogs;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<SaveDialog> openDialogs;  // title and filter
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<MessageResult> boxAnswers;
    std::deque<std::optional<std::string>> promptAnswers;
    std::vector<ChoiceRequest> choices;
    std::deque<std::optional<int>> choiceAnswers;
    std::vector<std::string> clipboard;
    ClipboardResult clipboardAnswer = ClipboardResult::Done;
};

}  // namespace parlevox::test
