#pragma once
// The base of every window widget the main frame holds in its MDI area:
// channel, query, status, MOTD and command-line windows. The frame keeps a
// switch bar button per widget and learns through these signals when the
// window shows a line (its button turns red unless it is the active window)
// or changes its caption.
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

signals:
    void lineShown();
    void captionChanged(const QString& caption);
    // The core window asked to close (the frame removes its button).
    void closing();

private:
    std::string name_;
};

}  // namespace parlevox
