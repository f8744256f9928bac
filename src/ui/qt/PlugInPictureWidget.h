#pragma once
// A plug-in's picture window: the picture at its own size, mouse events
// handed to the plug-in (real windows), the title on the switch bar. The
// core window owns the widget as its view; closing it only tells the core
// window, and from then on the widget leaves the picture alone.
#include <memory>

#include "modules/PlugInPictureWnd.h"
#include "ui/qt/ChatWindowWidget.h"

namespace parlevox {

class PlugInPictureWidget final : public ChatWindowWidget, public PlugInPictureView {
    Q_OBJECT

public:
    explicit PlugInPictureWidget(CPlugInPictureWnd& window, QWidget* parent = nullptr);
    ~PlugInPictureWidget() override;

    // PlugInPictureView.
    void Redraw() override { update(); }
    void TitleChanged() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Mouse(QMouseEvent* event, int32_t leftEvent, int32_t rightEvent);

    CPlugInPictureWnd* window_;  // null once the person closed the window
};

// Makes the widgets and tells the front end, which puts them into the main
// frame.
class QtPlugInViews final : public QObject, public PlugInPictureViews {
    Q_OBJECT

public:
    explicit QtPlugInViews(QObject* parent = nullptr) : QObject(parent) {}
    std::unique_ptr<PlugInPictureView> MakeView(CPlugInPictureWnd& window) override;

signals:
    void windowOpened(ChatWindowWidget* widget);
};

}  // namespace parlevox
