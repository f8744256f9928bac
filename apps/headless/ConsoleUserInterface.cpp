#include "ConsoleUserInterface.h"

#include <cstdio>
#include <string>

#include "common/ControlBytes.h"

namespace parlevox {
namespace {

// A box can carry text from the network (a kick reason): each paragraph
// line is cleaned so that no escape reaches the terminal.
std::string ForTerminal(std::string_view text) {
    std::string out;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
        out += StripControlCodes(text.substr(start, end - start)) + '\n';
    return out + StripControlCodes(text.substr(start));
}

}  // namespace

MessageResult ConsoleUserInterface::ShowMessageBox(const MessageBoxRequest& request) {
    std::fprintf(stderr, "[%s] %s\n", ForTerminal(request.title).c_str(), ForTerminal(request.text).c_str());
    // Nobody answers: a question whose default is Cancel (a program to
    // start) must not be taken as No.
    return UnattendedAnswer(request);
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
