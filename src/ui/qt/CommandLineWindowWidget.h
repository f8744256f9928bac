#pragma once
// The separate command-line window ("~CommandLine"): one input line for "/"
// commands, which run with no channel or nick context and write to the
// status window. Unlike the chat windows it is the front end's own (no core
// directory holds it): its parent (the MDI frame) owns it, and closing the
// frame deletes it.
#include "commands/CommandLineWindow.h"
#include "ui/qt/ChatWindowWidget.h"

namespace parlevox {

class InputLine;

class CommandLineWindowWidget final : public ChatWindowWidget {
    Q_OBJECT

public:
    // The references outlive the widget.
    CommandLineWindowWidget(CommandLineRunner& runner, CommandOutput& status, UserInterface& ui,
                            QWidget* parent = nullptr);

    InputLine& Input() { return *input_; }

private:
    CommandLineWindow window_;
    InputLine* input_;
};

}  // namespace parlevox
