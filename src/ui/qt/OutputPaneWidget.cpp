#include "ui/qt/OutputPaneWidget.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "display/OutputWnd.h"

namespace parlevox {
namespace {

constexpr int kNotch = 120;  // a wheel notch, in eighths of a degree

int ToBarValue(int64_t value) {
    return static_cast<int>(
        std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

OutputPaneWidget::OutputPaneWidget(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setMouseTracking(true);
    // Every pixel comes from the pane's image.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setRange(0, 0);
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    frame_.setTimerType(Qt::PreciseTimer);
    connect(&frame_, &QTimer::timeout, this, &OutputPaneWidget::PaintFrame);
}

void OutputPaneWidget::Attach(COutputWnd* pane) {
    pane_ = pane;
    if (pane_) SizePane();
}

void OutputPaneWidget::SizePane() {
    const QSize size = viewport()->size();
    pane_->Resize(std::max(size.width(), 0), std::max(size.height(), 0));
}

// A flood of lines would repaint (and send the whole pane to the display)
// once per batch of lines; areas are gathered instead and painted at most
// once a frame.
void OutputPaneWidget::Invalidate(const PixelRect& area) {
    dirty_ |= QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
    if (!frame_.isActive()) frame_.start();
}

void OutputPaneWidget::PaintFrame() {
    if (pendingBar_) {
        ApplyBar(*pendingBar_);
        pendingBar_.reset();
    }
    if (!dirty_.isNull()) viewport()->update(dirty_);
    dirty_ = QRect();
}

void OutputPaneWidget::SetCursor(PaneCursor cursor) {
    viewport()->setCursor(cursor == PaneCursor::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// The bar follows at once when it has not moved for a frame (a key, the
// wheel), and once a frame while lines pour in.
void OutputPaneWidget::ScrollBarChanged(const ScrollBarValues& values) {
    if (barMoved_.isValid() && barMoved_.elapsed() < kFrameMs) {
        pendingBar_ = values;
        if (!frame_.isActive()) frame_.start();
        return;
    }
    pendingBar_.reset();
    ApplyBar(values);
    barMoved_.start();
}

// The pane's bar runs minimum..maximum with a page; Qt's range ends where
// the last page starts.
void OutputPaneWidget::ApplyBar(const ScrollBarValues& values) {
    QScrollBar* bar = verticalScrollBar();
    const int64_t page = std::max<int64_t>(values.page, 1);
    const int64_t last = std::max(values.minimum, values.maximum - page + 1);
    settingBar_ = true;
    bar->setRange(ToBarValue(values.minimum), ToBarValue(last));
    bar->setPageStep(ToBarValue(page));
    bar->setSingleStep(1);
    bar->setValue(ToBarValue(values.position));
    settingBar_ = false;
}

void OutputPaneWidget::scrollContentsBy(int, int) {
    if (!settingBar_ && pane_) pane_->GoTo(verticalScrollBar()->value());
}

void OutputPaneWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    if (!pane_) {
        painter.fillRect(event->rect(), palette().base());
        return;
    }
    const CRawBitmap& bitmap = pane_->Paint();
    if (bitmap.Empty() || !bitmap.IsTrueColour()) return;
    // Rows top first, padded to 4 bytes: the pane's own bytes, not a copy.
    const QImage image(bitmap.Pixels().data(), bitmap.Width(), bitmap.Height(),
                       static_cast<qsizetype>(bitmap.Stride()), QImage::Format_BGR888);
    painter.drawImage(event->rect(), image, event->rect());
}

void OutputPaneWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (pane_) SizePane();
}

void OutputPaneWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!pane_) return;
    const QPoint at = event->position().toPoint();
    pane_->MouseMove(at.x(), at.y());
}

void OutputPaneWidget::mousePressEvent(QMouseEvent* event) {
    if (!pane_ || event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    pane_->ButtonDown(at.x(), at.y());
}

void OutputPaneWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pane_) return;
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) pane_->ButtonUp(at.x(), at.y());
    if (event->button() == Qt::RightButton) pane_->RightButtonUp(at.x(), at.y());
}

// Leaving with no button held lets go of a hot spot the mouse was over.
bool OutputPaneWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && pane_ && QGuiApplication::mouseButtons() == Qt::NoButton)
        pane_->MouseMove(-1, -1);
    return QAbstractScrollArea::viewportEvent(event);
}

void OutputPaneWidget::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (!pane_) return;
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kNotch;
    wheelRemainder_ -= notches * kNotch;
    for (int i = 0; i < kLinesPerNotch * std::abs(notches); ++i) notches > 0 ? pane_->LineUp() : pane_->LineDown();
}

void OutputPaneWidget::keyPressEvent(QKeyEvent* event) {
    if (!pane_) return QAbstractScrollArea::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_PageUp: pane_->PageUp(); break;
        case Qt::Key_PageDown: pane_->PageDown(); break;
        case Qt::Key_Home: pane_->Top(); break;
        case Qt::Key_End: pane_->Bottom(); break;
        case Qt::Key_Up: pane_->LineUp(); break;
        case Qt::Key_Down: pane_->LineDown(); break;
        default: return QAbstractScrollArea::keyPressEvent(event);
    }
    event->accept();
}

}  // namespace parlevox
