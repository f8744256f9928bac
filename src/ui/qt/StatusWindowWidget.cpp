#include "ui/qt/StatusWindowWidget.h"

#include "irc/ColourCodes.h"
#include "ui/MainFrameTexts.h"
#include "ui/StatusWindow.h"
#include "ui/qt/InputLine.h"
#include "ui/qt/OutputPaneWidget.h"

namespace parlevox {

StatusWindowWidget::StatusWindowWidget(QWidget* parent)
    : PaneWindowWidget(CStatusWindow::kName, Entry::Line, parent) {
    SetCentre(&Pane());
}

void StatusWindowWidget::Attach(CStatusWindow& status, const ColourCodes& colours) {
    status_ = &status;
    colours_ = &colours;
    Pane().Attach(&status.Pane());
    Input()->SetEntered([this](const std::string& line) {
        Typed(line);
        return true;
    });
}

void StatusWindowWidget::Typed(const std::string& line) {
    if (status_->Type(line)) return;
    if (plainLine_) return plainLine_(line);
    status_->AddLine(colours_->Code(colour::kProblem) + mainframe_text::kNoChannelOpen);
}

CommandOutput* StatusWindowWidget::MenuOutput() const {
    return status_;
}

}  // namespace parlevox
