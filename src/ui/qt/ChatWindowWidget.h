#pragma once
// The base of every window widget the main frame holds in its MDI area:
// channel, query, status, MOTD, command-line and DCC windows. The frame
// keeps a switch bar button per widget (unless it stays off the bar) and
// learns through these signals when the window shows a line (its button
// turns red unless it is the active window) or changes its caption.
#include <QRect>
#include <QWidget>
#include <string>

namespace parlevox {

enum class ChatWindowKind;

class ChatWindowWidget : public QWidget {
    Q_OBJECT

public:
    ChatWindowWidget(std::string name, QWidget* parent = nullptr) : QWidget(parent), name_(std::move(name)) {}

    // The window's id for positions and schemes: "#channel", a nick, "~Status".
    const std::string& WindowName() const { return name_; }
    void SetWindowName(std::string name) { name_ = std::move(name); }

    // Read when the frame adds the window. A telnet window has no switch
    // bar button.
    bool OnSwitchBar() const { return onSwitchBar_; }
    void SetOnSwitchBar(bool on) { onSwitchBar_ = on; }
    // A transfer's or an offer's window opens at its own size where the
    // frame cascades it, and its place is not remembered: its name (a file
    // and a nick) would fill the stored positions with one-off entries.
    bool Transient() const { return transient_; }
    void SetTransient(bool transient) { transient_ = transient; }

    // Where the window opens the first time (nothing remembered), in the
    // frame's area of that size; empty: the frame's cascade at 3/4 size.
    virtual QRect FirstPlace(QSize /*area*/) const { return {}; }

    // A transfer's switch bar caption: the progress in front of the title.
    const QString& ButtonCaption() const { return buttonCaption_; }

signals:
    void lineShown();
    void captionChanged(const QString& caption);
    // The switch bar button's caption alone (a transfer's progress); the
    // frame keeps the title captionChanged gave it.
    void buttonCaptionChanged(const QString& caption);
    // The core window asked to close (the frame removes its button).
    void closing();

protected:
    // A transfer's window: the title (when it changed) and the switch bar
    // button's caption, "40% file - nick" (the title alone for percent -1).
    void ShowTransferProgress(const std::string& title, int percent);
    // For widgets their owner destroys: the MDI frame that showed the
    // widget goes too, later, as it may be on the stack. Call from the
    // destructor.
    void LeaveFrame();

private:
    std::string name_;
    QString transferTitle_;
    QString buttonCaption_;
    bool onSwitchBar_ = true;
    bool transient_ = false;
};

}  // namespace parlevox
