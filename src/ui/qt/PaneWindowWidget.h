#pragma once
// What every core window's widget shares: the output pane, an input line for
// the windows that take typed lines, and the view calls that turn into the
// main frame's signals.
//
// Ownership: the core's directory owns the widget (as the window's view) and
// destroys it, after the window, when the window closes. Closing the widget
// (its MDI frame's close button) only asks the core window to go, and the
// event is ignored; the widget's destructor then takes its MDI frame with it.
#include <string>

#include "display/ChatWindow.h"
#include "modules/UserMenuRunner.h"
#include "ui/qt/ChatWindowWidget.h"

class QVBoxLayout;

namespace parlevox {

class InputLine;
class OutputPaneWidget;

class PaneWindowWidget : public ChatWindowWidget, public ChatWindowView {
    Q_OBJECT

public:
    ~PaneWindowWidget() override;

    OutputPaneWidget& Pane() { return *pane_; }
    // Null for windows without one.
    InputLine* Input() { return input_; }
    CChatWindow* Window() const { return window_; }

    // The core window made after this view: its pane shows here, and lines
    // typed here go to it.
    virtual void Attach(CChatWindow& window);

    // Where the right-click menus find the user menus' items; null: the
    // pane's background has no menu. Must outlive the widget or be reset.
    void SetUserMenus(UserMenuRunner* runner) { userMenus_ = runner; }
    // The menu the pane's background offers, with its context; by default
    // the background menu without one.
    virtual MenuKind BackgroundMenu() const { return MenuKind::Background; }
    virtual MenuContext BackgroundContext() const { return {}; }

    // ChatWindowView.
    void LineAdded(std::string_view text) override;
    void CaptionChanged(const std::string& caption) override;
    void InputEnabled(bool enabled) override;
    void CloseRequested() override;
    OutputPaneView& PaneView() override;
    void ContextMenu(int x, int y) override;

protected:
    enum class Entry { None, Line };
    PaneWindowWidget(std::string name, Entry entry, QWidget* parent);

    // The pane, or what holds it, above the input line.
    void SetCentre(QWidget* centre);
    // The user menu of kind at x, y of over (a scroll area's viewport
    // coordinates), its item run with context in the window.
    void ShowUserMenu(QWidget* over, int x, int y, MenuKind kind, const MenuContext& context);
    // Where a menu item's output goes; the core window by default.
    virtual CommandOutput* MenuOutput() const { return window_; }
    // The user closed the widget; by default the core window goes.
    virtual void UserClosed();
    void closeEvent(QCloseEvent* event) override;

private:
    OutputPaneWidget* pane_;
    InputLine* input_ = nullptr;
    QVBoxLayout* layout_;
    CChatWindow* window_ = nullptr;
    UserMenuRunner* userMenus_ = nullptr;
    bool closingSent_ = false;
};

}  // namespace parlevox
