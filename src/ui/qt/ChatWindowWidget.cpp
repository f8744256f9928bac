#include "ui/qt/ChatWindowWidget.h"

#include <QMdiSubWindow>

namespace parlevox {

void ChatWindowWidget::LeaveFrame() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        setParent(nullptr);
        frame->deleteLater();
    }
}

}  // namespace parlevox
