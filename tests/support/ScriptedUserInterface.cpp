#include "support/ScriptedUserInterface.h"

namespace parlevox::test {

ScriptedUserInterface::ScriptedUserInterface() {
    UserInterface::SetCurrent(this);
}

ScriptedUserInterface::~ScriptedUserInterface() {
    UserInterface::SetCurrent(nullptr);  // back to the console fallback
}

MessageResult ScriptedUserInterface::ShowMessageBox(const MessageBoxRequest& request) {
    boxes.push_back(request);
    if (boxAnswers.empty()) return MessageResult::Ok;
    MessageResult answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUserInterface::PromptText(const std::string& prompt, const std::string& title,
                                                             const std::string& initial) {
    prompts.push_back({prompt, title, initial});
    if (promptAnswers.empty()) return std::nullopt;
    auto answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUserInterface::ChooseSaveFile(const std::string& title, const std::string& filter,
                                                                 const std::string& defaultExtension,
                                                                 const std::string& proposedPath) {
    saveDialogs.push_back({title, filter, defaultExtension, proposedPath});
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

}  // namespace parlevox::test
