#include "platform/UserInterface.h"

#include <cstdio>

#include "common/InternalErrorReport.h"

namespace parlevox {
namespace {

// Used before a front end installs itself: says everything on stderr and
// takes the default answer, so an early report is never lost.
class StderrUserInterface final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest& request) override {
        std::fprintf(stderr, "[%s] %s\n", request.title.c_str(), request.text.c_str());
        return UnattendedAnswer(request);
    }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

StderrUserInterface fallbackInterface;
UserInterface* currentInterface = nullptr;

}  // namespace

UserInterface& UserInterface::Current() {
    return currentInterface ? *currentInterface : fallbackInterface;
}

void UserInterface::SetCurrent(UserInterface* ui) {
    currentInterface = ui;
    SetInternalErrorSink([](const MessageBoxRequest& box) { UserInterface::Current().ShowMessageBox(box); });
}

}  // namespace parlevox
