#include "ui/qt/ChatWindowWidget.h"

#include <QMdiSubWindow>

#include "ui/qt/QtText.h"

namespace parlevox {

void ChatWindowWidget::LeaveFrame() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        setParent(nullptr);
        frame->deleteLater();
    }
}

void ChatWindowWidget::ShowTransferProgress(const std::string& title, int percent) {
    const QString shown = ToQString(title);
    if (shown != transferTitle_) {
        transferTitle_ = shown;
        SetWindowName(title);
        setWindowTitle(shown);
        emit captionChanged(shown);
        buttonCaption_.clear();  // the frame has just put the plain title on the button
    }
    const QString caption = percent < 0 ? transferTitle_ : QStringLiteral("%1% ").arg(percent) + transferTitle_;
    if (caption == buttonCaption_) return;
    buttonCaption_ = caption;
    emit buttonCaptionChanged(caption);
}

}  // namespace parlevox
