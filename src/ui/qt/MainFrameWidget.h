#pragma once
// The main window: the control bar and the favourite channels' buttons at
// the top, the windows in an MDI area, the switch bar at the bottom, and no
// menu bar. It places each window where it was last (by window name), plays
// the window sounds, and takes the keyboard shortcuts for moving between
// windows. Closing it is a request: the application shuts down in order
// and then destroys it.
#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QToolButton;

namespace parlevox {

class ButtonStrip;
class ChannelButtonBar;
class ChatWindowWidget;
class SwitchBar;
class WindowPositions;

class MainFrameWidget : public QMainWindow {
    Q_OBJECT

public:
    enum class Control {
        Connect,
        Disconnect,
        JoinChannel,
        NotifyList,
        Preferences,
        CommandLine,
        Scripting,
        Help,
        ChangeNick
    };
    using SoundPlayer = std::function<void(const char* event)>;

    explicit MainFrameWidget(QWidget* parent = nullptr);
    ~MainFrameWidget() override;

    void SetSoundPlayer(SoundPlayer player);
    // Where window positions are kept; none: windows open where Qt puts them.
    void SetPositions(WindowPositions* positions) { positions_ = positions; }

    // Shows the window in the MDI area with a switch bar button (unless the
    // widget stays off the bar). The widget stays its owner's: when it is
    // destroyed its frame goes too.
    void AddWindow(ChatWindowWidget* window, bool activate = true);
    void Activate(const QWidget* window);
    ChatWindowWidget* ActiveWindow() const;
    // By window name, compared without case.
    ChatWindowWidget* FindWindow(std::string_view name) const;
    // Every open window's place, as when it closes.
    void RememberWindowPositions();

    void SetFavourites(std::vector<std::string> channels);

    SwitchBar& Switches() { return *switchBar_; }
    QMdiArea& Area() { return *area_; }
    ButtonStrip& ControlBar() { return *controlBar_; }

signals:
    void controlClicked(MainFrameWidget::Control control);
    void channelButtonClicked(const QString& channel);
    // The person closed the main window.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildShortcuts();
    void WindowActivated(QMdiSubWindow* frame);
    void WindowGone(QMdiSubWindow* frame, const std::string& name);
    void Remember(QMdiSubWindow* frame, const std::string& name);
    void PlaceWindow(QMdiSubWindow* frame, const ChatWindowWidget& window);
    void Play(const char* event);
    QMdiSubWindow* FrameOf(const QWidget* window) const;

    QMdiArea* area_;
    ButtonStrip* controlBar_ = nullptr;
    ChannelButtonBar* channelBar_ = nullptr;
    SwitchBar* switchBar_;
    WindowPositions* positions_ = nullptr;
    SoundPlayer play_;
    QMdiSubWindow* active_ = nullptr;
};

}  // namespace parlevox
