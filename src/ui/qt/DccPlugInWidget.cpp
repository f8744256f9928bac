#include "ui/qt/DccPlugInWidget.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <algorithm>
#include <cstring>

#include "dcc/DCCPlugInWnd.h"
#include "ui/qt/QtText.h"

namespace parlevox {

DccPlugInWidget::DccPlugInWidget(CDCCPlugInWnd& window, QWidget* parent)
    : ChatWindowWidget(window.Title(), parent),
      window_(window),
      picture_(window.PictureWidth(), window.PictureHeight(), QImage::Format_RGB32) {
    SetTransient(true);
    setMouseTracking(true);  // the strip's mouse-over art
    setAttribute(Qt::WA_OpaquePaintEvent);
    int height = window.PictureTop() + window.PictureHeight();
    if (window.HasProgress()) {
        bar_ = new QProgressBar(this);
        bar_->setTextVisible(false);
        const int barHeight = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        bar_->setGeometry(0, height, window.ClientWidth(), barHeight);
        height += barHeight;
    }
    setFixedSize(window.ClientWidth(), height);
    CopyPicture(window);
    Updated(window);
}

DccPlugInWidget::~DccPlugInWidget() {
    LeaveFrame();
}

void DccPlugInWidget::Updated(const CDCCPlugInWnd& window) {
    update(0, 0, width(), window.PictureTop());
    const int maximum = window.ProgressMaximum();
    const int percent =
        maximum > 0 ? static_cast<int>(static_cast<int64_t>(window.ProgressValue()) * 100 / maximum) : 0;
    if (bar_) {
        bar_->setRange(0, std::max(maximum, 1));
        bar_->setValue(std::clamp(window.ProgressValue(), 0, std::max(maximum, 1)));
    }
    ShowTransferProgress(window.Title(), bar_ ? percent : -1);
}

void DccPlugInWidget::PictureChanged(const CDCCPlugInWnd& window) {
    CopyPicture(window);
    update(0, window.PictureTop(), picture_.width(), picture_.height());
}

// The plug-in's unused fourth byte may hold anything: the copy is opaque.
void DccPlugInWidget::CopyPicture(const CDCCPlugInWnd& window) {
    const uint8_t* source = window.Pixels();
    for (int y = 0; y < picture_.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(picture_.scanLine(y));
        const uint8_t* in = source + static_cast<size_t>(y) * static_cast<size_t>(window.BytesPerRow());
        for (int x = 0; x < picture_.width(); ++x, in += 4)
            row[x] = 0xFF000000u | uint32_t {in[2]} << 16 | uint32_t {in[1]} << 8 | in[0];
    }
}

void DccPlugInWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int top = window_.PictureTop();
    painter.fillRect(rect(), palette().window());
    if (window_.HasButtons()) {
        const CRawBitmap& strip = window_.Strip();
        const QImage image(strip.Pixels().data(), strip.Width(), strip.Height(),
                           static_cast<qsizetype>(strip.Stride()), QImage::Format_BGR888);
        painter.drawImage(0, 0, image);
    }
    painter.drawImage(0, top, picture_);
}

void DccPlugInWidget::Mouse(QMouseEvent* event, bool down) {
    const QPoint at = event->position().toPoint();
    using Mouse = CDCCPlugInWnd::Mouse;
    if (event->button() == Qt::LeftButton) window_.MouseEvent(down ? Mouse::LeftDown : Mouse::LeftUp, at.x(), at.y());
    else if (event->button() == Qt::RightButton)
        window_.MouseEvent(down ? Mouse::RightDown : Mouse::RightUp, at.x(), at.y());
}

void DccPlugInWidget::mousePressEvent(QMouseEvent* event) {
    Mouse(event, true);
}

void DccPlugInWidget::mouseReleaseEvent(QMouseEvent* event) {
    Mouse(event, false);
}

void DccPlugInWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    window_.MouseEvent(CDCCPlugInWnd::Mouse::Move, at.x(), at.y());
}

void DccPlugInWidget::leaveEvent(QEvent*) {
    window_.MouseLeft();
}

void DccPlugInWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    window_.RequestClose();
}

}  // namespace parlevox
