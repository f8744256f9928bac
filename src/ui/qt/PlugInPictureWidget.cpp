#include "ui/qt/PlugInPictureWidget.h"

#include <QCloseEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "parlevox/plugin.h"
#include "ui/qt/QtText.h"

namespace parlevox {

PlugInPictureWidget::PlugInPictureWidget(CPlugInPictureWnd& window, QWidget* parent)
    : ChatWindowWidget("~PlugIn:" + std::to_string(window.Id()), parent), window_(&window) {
    SetTransient(true);
    setWindowTitle(ToQString(window.Title()));
    setFixedSize(window.Width(), window.Height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(window.TakesMouse());
}

PlugInPictureWidget::~PlugInPictureWidget() {
    LeaveFrame();
}

void PlugInPictureWidget::TitleChanged() {
    if (!window_) return;
    const QString title = ToQString(window_->Title());
    setWindowTitle(title);
    emit captionChanged(title);
}

QSize PlugInPictureWidget::sizeHint() const {
    return window_ ? QSize(window_->Width(), window_->Height()) : QSize();
}

// Four bytes a pixel, blue first: the layout of QImage::Format_RGB32 on
// little-endian machines, shown without a copy.
void PlugInPictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!window_) return painter.fillRect(rect(), Qt::white);
    const QImage picture(window_->Pixels(), window_->Width(), window_->Height(), window_->BytesPerRow(),
                         QImage::Format_RGB32);
    painter.drawImage(0, 0, picture);
}

void PlugInPictureWidget::Mouse(QMouseEvent* event, int32_t leftEvent, int32_t rightEvent) {
    if (!window_) return;
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) window_->Mouse(leftEvent, at.x(), at.y());
    else if (event->button() == Qt::RightButton) window_->Mouse(rightEvent, at.x(), at.y());
}

void PlugInPictureWidget::mousePressEvent(QMouseEvent* event) {
    Mouse(event, PV_MOUSE_LEFT_DOWN, PV_MOUSE_RIGHT_DOWN);
}

void PlugInPictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    Mouse(event, PV_MOUSE_LEFT_UP, PV_MOUSE_RIGHT_UP);
}

void PlugInPictureWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!window_) return;
    const QPoint at = event->position().toPoint();
    window_->Mouse(PV_MOUSE_MOVE, at.x(), at.y());
}

// The core window lets this widget go later; the picture stays the
// plug-in's, so nothing here touches it again.
void PlugInPictureWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!window_) return;
    CPlugInPictureWnd* window = window_;
    window_ = nullptr;
    setMouseTracking(false);
    window->RequestClose();
}

std::unique_ptr<PlugInPictureView> QtPlugInViews::MakeView(CPlugInPictureWnd& window) {
    auto widget = std::make_unique<PlugInPictureWidget>(window);
    emit windowOpened(widget.get());
    return widget;
}

}  // namespace parlevox
