#pragma once
// A window whose every line is marked with what started the script that
// writes it ("[Reaction] ", "[/OnTimer] ", "[/On] ").
#include <string>
#include <string_view>
#include <utility>

#include "commands/CommandOutput.h"

namespace parlevox {

class PrefixedOutput final : public CommandOutput {
public:
    PrefixedOutput(CommandOutput& window, std::string prefix) : window_(window), prefix_(std::move(prefix)) {}
    void AddLine(std::string_view text) override { window_.AddLine(prefix_ + std::string(text)); }
    void Clear() override { window_.Clear(); }

private:
    CommandOutput& window_;
    std::string prefix_;
};

}  // namespace parlevox
