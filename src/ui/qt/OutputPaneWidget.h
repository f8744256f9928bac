#pragma once
// Shows a core output pane: the pane paints its own image, this widget copies
// it to the screen with one drawImage and hands the mouse, the wheel, the
// paging keys, the size and the scroll bar to the pane.
//
// The pane's mouse capture is a no-op here: Qt already sends every move to
// the widget a button went down on, and a leave event (sent on as a move far
// outside) stands in for the capture the pane takes while over a hot spot.
#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QRect>
#include <QTimer>
#include <optional>

#include "display/OutputPaneOwner.h"

namespace parlevox {

class COutputWnd;

class OutputPaneWidget final : public QAbstractScrollArea, public OutputPaneView {
    Q_OBJECT

public:
    static constexpr int kLinesPerNotch = 3;
    // Repaints and scroll bar moves while lines pour in: at most once a frame.
    static constexpr int kFrameMs = 16;

    explicit OutputPaneWidget(QWidget* parent = nullptr);

    // The pane made after this view; null detaches (the pane is going).
    void Attach(COutputWnd* pane);
    COutputWnd* Pane() const { return pane_; }

    // OutputPaneView.
    void Invalidate(const PixelRect& area) override;
    void SetCursor(PaneCursor cursor) override;
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void ScrollBarChanged(const ScrollBarValues& values) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void PaintFrame();
    void ApplyBar(const ScrollBarValues& values);

    void SizePane();

    COutputWnd* pane_ = nullptr;
    bool settingBar_ = false;
    QTimer frame_;  // paints what was invalidated, once a frame
    QRect dirty_;
    std::optional<ScrollBarValues> pendingBar_;  // for the next frame
    QElapsedTimer barMoved_;  // the pane moved the bar: do not move it back
    int wheelRemainder_ = 0;   // eighths of a degree short of a notch
};

}  // namespace parlevox
