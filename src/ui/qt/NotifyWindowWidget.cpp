#include "ui/qt/NotifyWindowWidget.h"

#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/QtText.h"

namespace parlevox {

NotifyWindowWidget::NotifyWindowWidget(CNotifyWindow& window, QWidget* parent)
    : ChatWindowWidget(CNotifyWindow::kName, parent), window_(window), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    setFocusProxy(list_);
    setWindowTitle(ToQString(CNotifyWindow::kTitle));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { window_.Activate(ToBytes(item->text())); });
    window_.SetView(this);
}

NotifyWindowWidget::~NotifyWindowWidget() {
    window_.SetView(nullptr);
}

// The selection stays on its nick while others come and go.
void NotifyWindowWidget::ShowNicks(const std::vector<std::string>& nicks) {
    const QString selected = list_->currentItem() ? list_->currentItem()->text() : QString();
    list_->clear();
    for (const std::string& nick : nicks) {
        auto* item = new QListWidgetItem(ToQString(nick), list_);
        if (item->text() == selected) list_->setCurrentItem(item);
    }
}

QRect NotifyWindowWidget::FirstPlace(QSize area) const {
    const int width = 200, height = std::min(320, std::max(area.height() - 20, 120));
    return {std::max(area.width() - width - 10, 0), 10, width, height};
}

}  // namespace parlevox
