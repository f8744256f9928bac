#pragma once
// A channel window: the pane with the names list beside it, the input line
// under both. Tab completes nicks from the names list; closing the window
// leaves the channel (the window goes when the part comes back), or, with
// no connection to part over, closes it at once.
#include "ui/qt/PaneWindowWidget.h"

class QSplitter;

namespace parlevox {

class CNamesList;
class NamesListWidget;

class ChannelWindowWidget final : public PaneWindowWidget {
    Q_OBJECT

public:
    explicit ChannelWindowWidget(std::string channel, QWidget* parent = nullptr);
    ~ChannelWindowWidget() override;

    NamesListWidget& Names() { return *names_; }

    // names: the channel's list, or null when there is none to show.
    void Attach(CChatWindow& window, CNamesList* names);
    void Attach(CChatWindow& window) override { Attach(window, nullptr); }

    void InputEnabled(bool enabled) override;

    // Right-clicks: the channel menu on the pane's background, the menu for
    // a user in the channel on a nickname in the pane or the names list.
    MenuKind BackgroundMenu() const override { return MenuKind::Channel; }
    MenuContext BackgroundContext() const override { return {WindowName(), {}}; }
    void NicknameMenu(const std::string& nickname, int x, int y) override;
    void NamesListMenu(const std::string& nickname, int x, int y) override;

protected:
    void UserClosed() override;

private:
    QSplitter* splitter_;
    NamesListWidget* names_;
    bool connected_ = true;  // the input line is enabled while connected
};

}  // namespace parlevox
