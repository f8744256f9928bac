#pragma once
// A DCC chat or telnet window: the pane and the input line, like a private
// message window, and while a stranger's chat offer waits, "Accept" and
// "Decline" above the input line. A right-click on a DCC chat's pane offers
// the user menu for the peer (the core window asks for it by nick); a telnet
// window, whose peer is a host, gets the background menu and no switch bar
// button.
#include "ui/qt/PaneWindowWidget.h"

class QPushButton;

namespace parlevox {

class CDCCChatWnd;

class DccChatWindowWidget final : public PaneWindowWidget {
    Q_OBJECT

public:
    static constexpr const char* kAccept = "Accept";
    static constexpr const char* kDecline = "Decline";

    DccChatWindowWidget(std::string peer, bool telnet, QWidget* parent = nullptr);

    void Attach(CChatWindow& window) override;
    bool IsTelnet() const { return telnet_; }
    // The offer's buttons; hidden unless an offer waits.
    QWidget& OfferButtons() { return *offer_; }
    QPushButton& AcceptButton() { return *accept_; }
    QPushButton& DeclineButton() { return *decline_; }

    MenuKind BackgroundMenu() const override { return telnet_ ? MenuKind::Background : MenuKind::User; }
    MenuContext BackgroundContext() const override {
        return telnet_ ? MenuContext {} : MenuContext {{}, WindowName()};
    }

    // ChatWindowView.
    void OfferPending(bool pending) override;
    void NicknameMenu(const std::string& nickname, int x, int y) override;

private:
    bool telnet_;
    CDCCChatWnd* chat_ = nullptr;
    QWidget* offer_;
    QPushButton* accept_;
    QPushButton* decline_;
};

}  // namespace parlevox
