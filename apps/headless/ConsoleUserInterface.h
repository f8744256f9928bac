#pragma once
#include <string>

#include "platform/UserInterface.h"

namespace parlevox {

// Message boxes become lines on stderr; the only prompt the headless client
// can answer is the server password, given on the command line.
class ConsoleUserInterface final : public UserInterface {
public:
    explicit ConsoleUserInterface(std::string password) : password_(std::move(password)) {}

    MessageResult ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> PromptText(const std::string& prompt, const std::string& title,
                                          const std::string& initial) override;

private:
    std::string password_;
};

}  // namespace parlevox
