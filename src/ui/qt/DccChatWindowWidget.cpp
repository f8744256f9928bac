#include "ui/qt/DccChatWindowWidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dcc/DCCChatWnd.h"
#include "ui/qt/OutputPaneWidget.h"

namespace parlevox {

DccChatWindowWidget::DccChatWindowWidget(std::string peer, bool telnet, QWidget* parent)
    : PaneWindowWidget(std::move(peer), Entry::Line, parent), telnet_(telnet) {
    SetOnSwitchBar(!telnet);
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(&Pane(), 1);

    offer_ = new QWidget(centre);
    offer_->setObjectName("offer");
    auto* row = new QHBoxLayout(offer_);
    row->setContentsMargins(4, 2, 4, 2);
    accept_ = new QPushButton(tr(kAccept), offer_);
    accept_->setObjectName("accept");
    decline_ = new QPushButton(tr(kDecline), offer_);
    decline_->setObjectName("decline");
    // A window opening while someone types elsewhere must not take a
    // space as the answer to a stranger's offer.
    accept_->setFocusPolicy(Qt::ClickFocus);
    decline_->setFocusPolicy(Qt::ClickFocus);
    row->addStretch(1);
    row->addWidget(accept_);
    row->addWidget(decline_);
    column->addWidget(offer_);
    offer_->hide();
    SetCentre(centre);

    // Declining closes the window: it goes later, never inside the click.
    connect(accept_, &QPushButton::clicked, this, [this] {
        if (chat_ && chat_->OfferPending()) chat_->AcceptOffer();
    });
    connect(decline_, &QPushButton::clicked, this, [this] {
        if (chat_ && chat_->OfferPending()) chat_->DeclineOffer();
    });
}

void DccChatWindowWidget::Attach(CChatWindow& window) {
    PaneWindowWidget::Attach(window);
    chat_ = dynamic_cast<CDCCChatWnd*>(&window);
    OfferPending(chat_ && chat_->OfferPending());
}

void DccChatWindowWidget::OfferPending(bool pending) {
    offer_->setVisible(pending);
}

void DccChatWindowWidget::NicknameMenu(const std::string& nickname, int x, int y) {
    ShowUserMenu(&Pane(), x, y, MenuKind::User, {{}, nickname});
}

}  // namespace parlevox
