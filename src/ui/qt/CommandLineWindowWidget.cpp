#include "ui/qt/CommandLineWindowWidget.h"

#include <QVBoxLayout>

#include "ui/qt/InputLine.h"
#include "ui/qt/QtText.h"

namespace parlevox {

CommandLineWindowWidget::CommandLineWindowWidget(CommandLineRunner& runner, CommandOutput& status, UserInterface& ui,
                                                 QWidget* parent)
    : ChatWindowWidget(CommandLineWindow::Key(), parent), window_(runner, status, ui), input_(new InputLine(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(input_);
    setFocusProxy(input_);
    setWindowTitle(ToQString(CommandLineWindow::Title()));
    // A line that is not a command stays for the user to mend.
    input_->SetEntered([this](const std::string& line) { return window_.OnEnter(line); });
}

}  // namespace parlevox
