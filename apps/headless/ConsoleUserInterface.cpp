#include "ConsoleUserInterface.h"

#include <cstdio>

namespace parlevox {

MessageResult ConsoleUserInterface::ShowMessageBox(const MessageBoxRequest& request) {
    std::fprintf(stderr, "[%s] %s\n", request.title.c_str(), request.text.c_str());
    bool question = request.buttons == MessageButtons::YesNo || request.buttons == MessageButtons::YesNoCancel;
    return question ? MessageResult::No : MessageResult::Ok;
}

std::optional<std::string> ConsoleUserInterface::PromptText(const std::string& prompt, const std::string& title,
                                                            const std::string&) {
    if (password_.empty()) {
        std::fprintf(stderr, "[%s] %s (no answer: use --password)\n", title.c_str(), prompt.c_str());
        return std::nullopt;
    }
    return password_;
}

}  // namespace parlevox
