#pragma once
// A DCC plug-in's window: the core window's button strip and the picture
// the plug-in draws, with a progress bar of scroll-bar height below when
// the plug-in asked for one; the switch bar button shows the percentage.
// The core window owns the widget as its view and does the strip's work:
// the widget only draws and reports the mouse. Closing it asks the window
// to go.
#include <QImage>
#include <QString>

#include "dcc/DccViews.h"
#include "ui/qt/ChatWindowWidget.h"

class QProgressBar;

namespace parlevox {

class DccPlugInWidget final : public ChatWindowWidget, public DccPlugInView {
    Q_OBJECT

public:
    // The window outlives the widget.
    explicit DccPlugInWidget(CDCCPlugInWnd& window, QWidget* parent = nullptr);
    ~DccPlugInWidget() override;

    // DccPlugInView.
    void Updated(const CDCCPlugInWnd& window) override;
    void PictureChanged(const CDCCPlugInWnd& window) override;

    // What the widget shows, for the tests: null without a bar.
    const QProgressBar* Bar() const { return bar_; }
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CopyPicture(const CDCCPlugInWnd& window);
    void Mouse(QMouseEvent* event, bool down);

    CDCCPlugInWnd& window_;
    QImage picture_;
    QProgressBar* bar_ = nullptr;
};

}  // namespace parlevox
