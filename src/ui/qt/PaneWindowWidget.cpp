#include "ui/qt/PaneWindowWidget.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "ui/qt/InputLine.h"
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/QtText.h"

namespace parlevox {

PaneWindowWidget::PaneWindowWidget(std::string name, Entry entry, QWidget* parent)
    : ChatWindowWidget(std::move(name), parent), pane_(new OutputPaneWidget(this)), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    if (entry == Entry::Line) {
        input_ = new InputLine(this);
        layout_->addWidget(input_);
        setFocusProxy(input_);
    }
    setWindowTitle(ToQString(WindowName()));
}

// The core window has gone already: nothing here may reach it, and the MDI
// frame that showed this widget goes too (later, as it may be on the stack).
PaneWindowWidget::~PaneWindowWidget() {
    pane_->Attach(nullptr);
    if (input_) {
        input_->SetEntered({});
        input_->SetCompleter({});
    }
    window_ = nullptr;
    CloseRequested();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        setParent(nullptr);
        frame->deleteLater();
    }
}

void PaneWindowWidget::SetCentre(QWidget* centre) {
    layout_->insertWidget(0, centre, 1);
}

void PaneWindowWidget::Attach(CChatWindow& window) {
    window_ = &window;
    pane_->Attach(&window.Pane());
    if (input_) input_->SetEntered([&window](const std::string& line) {
        window.Type(line);
        return true;
    });
}

void PaneWindowWidget::LineAdded(std::string_view) {
    emit lineShown();
}

void PaneWindowWidget::CaptionChanged(const std::string& caption) {
    // A query window follows its partner's nick.
    if (window_) SetWindowName(window_->Name());
    const QString title = ToQString(caption);
    setWindowTitle(title);
    emit captionChanged(title);
}

void PaneWindowWidget::InputEnabled(bool enabled) {
    if (input_) input_->setEnabled(enabled);
}

void PaneWindowWidget::CloseRequested() {
    if (closingSent_) return;
    closingSent_ = true;
    emit closing();
}

OutputPaneView& PaneWindowWidget::PaneView() {
    return *pane_;
}

void PaneWindowWidget::UserClosed() {
    if (window_) window_->RequestClose();
}

void PaneWindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    UserClosed();
}

}  // namespace parlevox
