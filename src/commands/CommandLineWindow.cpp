#include "commands/CommandLineWindow.h"

#include <string>

#include "commands/CommandLineRunner.h"
#include "commands/CommandTexts.h"
#include "platform/UserInterface.h"

namespace parlevox {

CommandLineWindow::CommandLineWindow(CommandLineRunner& runner, CommandOutput& status, UserInterface& ui)
    : runner_(runner), status_(status), ui_(ui) {}

const char* CommandLineWindow::Title() { return texts::kCommandLineTitle; }
const char* CommandLineWindow::Key() { return texts::kCommandLineKey; }

bool CommandLineWindow::OnEnter(std::string_view line) {
    if (line.empty() || line.front() != '/') {
        ui_.ShowMessageBox({texts::kInvalidCommandTitle, texts::kInvalidCommandText, MessageIcon::Exclamation,
                            MessageButtons::Ok});
        return false;
    }
    static const std::string kNoContext;
    runner_.Run(line, kNoContext, kNoContext, status_);
    return true;
}

}  // namespace parlevox
