#include "ui/qt/PaneWindowWidget.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QMenu>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/qt/InputLine.h"
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/QtText.h"
#include "ui/qt/UserMenuPopup.h"

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
    LeaveFrame();
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

void PaneWindowWidget::ContextMenu(int x, int y) {
    ShowUserMenu(pane_, x, y, BackgroundMenu(), BackgroundContext());
}

// The menu runs its own event loop, in which the window may close (a part
// coming back): the item runs only when the widget is still there, and the
// menu is no child of the widget, which would delete it under the loop.
void PaneWindowWidget::ShowUserMenu(QWidget* over, int x, int y, MenuKind kind, const MenuContext& context) {
    if (!userMenus_ || !MenuOutput()) return;
    QMenu menu;
    UserMenuPopup::AddItems(menu, *userMenus_, kind);
    auto* area = qobject_cast<QAbstractScrollArea*>(over);
    const QPoint global = (area ? area->viewport() : over)->mapToGlobal(QPoint(x, y));
    QPointer<PaneWindowWidget> alive(this);
    const uint32_t commandId = UserMenuPopup::Choose(menu, global);
    if (commandId == 0 || !alive || !userMenus_ || !MenuOutput()) return;
    userMenus_->Run(commandId, context, *MenuOutput());
}

void PaneWindowWidget::UserClosed() {
    if (window_) window_->RequestClose();
}

void PaneWindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    UserClosed();
}

}  // namespace parlevox
