#pragma once
// The separate command-line window: one entry line that takes "/" commands
// only. They run with no channel or nick context, writing to the status
// window.
#include <string_view>

namespace parlevox {

class CommandLineRunner;
class CommandOutput;
class UserInterface;

class CommandLineWindow {
public:
    CommandLineWindow(CommandLineRunner& runner, CommandOutput& status, UserInterface& ui);

    static const char* Title();
    // Scheme and position key.
    static const char* Key();

    // Enter in the entry. True when the line ran (the entry is then
    // cleared); anything but a "/" line gives the "Invalid command" box.
    bool OnEnter(std::string_view line);

private:
    CommandLineRunner& runner_;
    CommandOutput& status_;
    UserInterface& ui_;
};

}  // namespace parlevox
