#include "ui/qt/ConnectDialogWidget.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ControlBytes.h"

namespace parlevox {

ConnectDialogWidget::ConnectDialogWidget(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Connecting");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    lines_ = new QListWidget(this);
    lines_->setSelectionMode(QAbstractItemView::NoSelection);
    lines_->setMinimumSize(420, 160);
    layout->addWidget(lines_);
    auto* buttons = new QDialogButtonBox(this);
    retry_ = buttons->addButton("&Try again", QDialogButtonBox::ActionRole);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(retry_, &QPushButton::clicked, this, [this] {
        if (onRetry) onRetry();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void ConnectDialogWidget::Begin() {
    failed_ = false;
    lines_->clear();
    retry_->setVisible(false);
    cancel_->setText("Cancel");
    show();
    raise();
}

void ConnectDialogWidget::AddStatusLine(const std::string& text) {
    lines_->addItem(QString::fromLatin1(StripControlCodes(text).c_str()));
    lines_->scrollToBottom();
}

void ConnectDialogWidget::AllServersFailed() {
    failed_ = true;
    retry_->setVisible(true);
    cancel_->setText("Close");
}

void ConnectDialogWidget::DialogClosed(bool connected) {
    hide();
    if (onClosed) onClosed(connected);
}

void ConnectDialogWidget::reject() {
    if (!failed_ && onCancel) onCancel();
    hide();
    if (failed_ && onClosed) onClosed(false);
}

}  // namespace parlevox
