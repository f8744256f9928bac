#include "ui/qt/NamesListWidget.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "ui/NamesList.h"
#include "ui/NamesListPainter.h"

namespace parlevox {

NamesListWidget::NamesListWidget(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void NamesListWidget::Attach(CNamesList* list) {
    // The old list may have gone already: it is not touched.
    list_ = list;
    // The core may destroy the widget before or after the list.
    if (list_) list_->onChanged = [self = QPointer<NamesListWidget>(this)] {
        if (self) self->ListChanged();
    };
    ListChanged();
}

size_t NamesListWidget::FirstRow() const {
    return static_cast<size_t>(std::max(verticalScrollBar()->value(), 0));
}

int NamesListWidget::EntryAt(int y) const {
    return list_ ? NamesListPainter::EntryAt(*list_, FirstRow(), y) : -1;
}

void NamesListWidget::ListChanged() {
    UpdateBar();
    viewport()->update();
}

void NamesListWidget::UpdateBar() {
    const int height = list_ ? NamesListPainter::EntryHeight(list_->Scheme()) : 0;
    const int rows = height > 0 ? std::max(viewport()->height() / height, 1) : 1;
    const size_t count = list_ ? list_->Count() : 0;
    const int last = static_cast<int>(std::min<size_t>(count, INT_MAX)) - rows;
    verticalScrollBar()->setRange(0, std::max(last, 0));
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setSingleStep(1);
}

void NamesListWidget::scrollContentsBy(int, int) {
    viewport()->update();
}

void NamesListWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QSize size = viewport()->size();
    if (image_.Width() != size.width() || image_.Height() != size.height())
        image_ = CRawBitmap::TrueColour(size.width(), size.height());
    if (!list_ || image_.Empty() || !NamesListPainter::Paint(*list_, FirstRow(), image_)) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    const QImage image(image_.Pixels().data(), image_.Width(), image_.Height(),
                       static_cast<qsizetype>(image_.Stride()), QImage::Format_BGR888);
    painter.drawImage(event->rect(), image, event->rect());
}

void NamesListWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateBar();
}

void NamesListWidget::mousePressEvent(QMouseEvent* event) {
    if (!list_ || event->button() != Qt::LeftButton) return;
    list_->Select(EntryAt(event->position().toPoint().y()));
}

void NamesListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!list_ || event->button() != Qt::LeftButton) return;
    list_->Select(EntryAt(event->position().toPoint().y()));
    list_->DoubleClick();
}

void NamesListWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!list_ || event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    list_->RightButton(EntryAt(at.y()), at.x(), at.y());
}

void NamesListWidget::keyPressEvent(QKeyEvent* event) {
    const QByteArray typed = event->text().toLatin1();
    if (!list_ || typed.isEmpty() || static_cast<unsigned char>(typed.front()) < 0x20 || typed.front() == 0x7F)
        return QAbstractScrollArea::keyPressEvent(event);
    for (char character : typed) list_->Character(character);
    emit characterTyped(event->text());
    event->accept();
}

}  // namespace parlevox
