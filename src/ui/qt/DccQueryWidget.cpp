#include "ui/qt/DccQueryWidget.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dcc/DCCQueryWnd.h"
#include "dcc/DCCWnd.h"
#include "dcc/DccTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

constexpr int kNameWidth = 320;  // a long file name is cut in the middle, whole in its tool tip

// Plain text: the names come from strangers.
QLabel* ValueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void ShowCut(QLabel* label, const std::string& bytes) {
    const QString text = ToQString(bytes);
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, kNameWidth);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

}  // namespace

DccQueryWidget::DccQueryWidget(CDCCQueryWnd& window, QWidget* parent)
    : ChatWindowWidget(window.Title(), parent), window_(window) {
    SetTransient(true);
    auto* box = new QGroupBox(ToQString(CDCCQueryWnd::kBoxTitle), this);
    auto* form = new QFormLayout(box);
    from_ = ValueLabel(box);
    file_ = ValueLabel(box);
    size_ = ValueLabel(box);
    from_->setObjectName("from");
    file_->setObjectName("file");
    size_->setObjectName("size");
    form->addRow(tr("From"), from_);
    form->addRow(tr("File"), file_);
    form->addRow(tr("Size"), size_);

    accept_ = new QPushButton(this);
    accept_->setObjectName("accept");
    decline_ = new QPushButton(tr(dcc_text::kDecline), this);
    decline_->setObjectName("decline");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(accept_);
    buttons->addWidget(decline_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttons);
    layout->addStretch(1);
    // Each may end in the window asking to close; it goes later.
    connect(accept_, &QPushButton::clicked, this, [this] { window_.Accept(); });
    connect(decline_, &QPushButton::clicked, this, [this] { window_.Decline(); });

    const DccOffer& offer = window.Offer();
    ShowCut(from_, offer.sender.nick);
    from_->setToolTip(ToQString(offer.sender.Text()));
    ShowCut(file_, offer.fileName);
    size_->setText(ToQString(DccSizeText(offer.size)));
    Updated(window);
}

DccQueryWidget::~DccQueryWidget() {
    LeaveFrame();
}

void DccQueryWidget::Updated(const CDCCQueryWnd& window) {
    accept_->setText(ToQString(window.ButtonLabel()));
    accept_->setEnabled(window.ButtonEnabled());
    const QString title = ToQString(window.Title());
    if (title == windowTitle()) return;
    setWindowTitle(title);
    emit captionChanged(title);
}

void DccQueryWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    window_.RequestClose();
}

}  // namespace parlevox
