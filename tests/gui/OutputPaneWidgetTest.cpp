#include "ui/qt/OutputPaneWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <array>
#include <string>

#include "display/OutputWnd.h"
#include "display/Scheme.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

class FakeOwner final : public OutputPaneOwner {
public:
    const CScheme& Scheme() const override { return scheme; }
    ActionContext HotspotContext() const override { return {}; }
    UserInterface& UI() const override { return ui; }
    bool IsChannelWindow() const override { return false; }
    void OnNicknameMenu(const std::string&, int, int) override {}
    void OnContextMenu(int, int) override {}
    CScheme scheme;
    mutable test::ScriptedUserInterface ui;
};

class OutputPaneWidgetTest : public testing::Test {
protected:
    void SetUp() override {
        widget.Attach(&pane);
        widget.show();
    }
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) pane.AddLine("line " + std::to_string(i) + " with \x02some bold\x02 text");
    }
    int64_t Position() { return pane.Model().Scroll().Position(); }
    void Send(QWidget* to, QEvent& event) { QApplication::sendEvent(to, &event); }
    void Wheel(int delta) {
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        Send(widget.viewport(), wheel);
    }
    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        Send(&widget, press);
    }

    FakeOwner owner;
    OutputPaneWidget widget;
    COutputWnd pane{owner, widget};
};

TEST_F(OutputPaneWidgetTest, ShowsThePaneImageAtEverySize) {
    AddLines(40);
    const QSize sizes[] = {{1, 1}, {0, 0}, {8000, 8000}, {1, 300}, {300, 1}, {320, 200}};
    for (const QSize size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        widget.resize(size);
        QApplication::processEvents();
        const QSize shown = widget.viewport()->size();
        ASSERT_EQ(pane.Layout().width, std::max(shown.width(), 0));
        ASSERT_EQ(pane.Layout().height, std::max(shown.height(), 0));
        const QImage grabbed = widget.viewport()->grab().toImage();
        if (shown.isEmpty()) continue;
        const CRawBitmap& image = pane.Paint();
        for (const QPoint probe : {QPoint(shown.width() / 2, shown.height() / 2),
                                   QPoint(shown.width() - 1, shown.height() - 1), QPoint(0, 0)}) {
            const BgrColour expected = image.PixelColour(probe.x(), probe.y());
            const QColor got = grabbed.pixelColor(probe);
            EXPECT_EQ((std::array{got.red(), got.green(), got.blue()}),
                      (std::array<int, 3>{expected.red, expected.green, expected.blue}))
                << "at " << probe.x() << "," << probe.y();
        }
    }
}

// The bar follows the pane within a frame (at once when it was still).
void LetAFramePass() {
    QEventLoop wait;
    QTimer::singleShot(3 * OutputPaneWidget::kFrameMs, &wait, &QEventLoop::quit);
    wait.exec();
}

TEST_F(OutputPaneWidgetTest, WheelKeysAndBarMoveThePane) {
    widget.resize(320, 200);
    QApplication::processEvents();
    AddLines(200);
    const int64_t bottom = Position();
    ASSERT_GT(bottom, 10);
    LetAFramePass();
    EXPECT_EQ(widget.verticalScrollBar()->value(), bottom);
    EXPECT_EQ(widget.verticalScrollBar()->maximum(), bottom);

    Wheel(120);
    EXPECT_EQ(Position(), bottom - OutputPaneWidget::kLinesPerNotch);
    // Half notches add up to one.
    Wheel(60);
    EXPECT_EQ(Position(), bottom - OutputPaneWidget::kLinesPerNotch);
    Wheel(60);
    EXPECT_EQ(Position(), bottom - 2 * OutputPaneWidget::kLinesPerNotch);
    Wheel(-240);
    EXPECT_EQ(Position(), bottom);

    Key(Qt::Key_Home);
    EXPECT_EQ(Position(), pane.Model().Scroll().FirstLine());
    Key(Qt::Key_PageDown);
    const int64_t page = Position() - pane.Model().Scroll().FirstLine();
    EXPECT_GT(page, 1);
    LetAFramePass();
    EXPECT_EQ(widget.verticalScrollBar()->value(), Position());
    Key(Qt::Key_End);
    EXPECT_EQ(Position(), bottom);

    widget.verticalScrollBar()->setValue(static_cast<int>(bottom / 2));
    EXPECT_EQ(Position(), bottom / 2);
}

// Lines in a burst move the bar once a frame; when they stop, it ends where
// the pane is, whether they came in a burst or one at a time.
TEST_F(OutputPaneWidgetTest, TheBarCatchesUpWithLinesInBurstsAndOneByOne) {
    widget.resize(320, 200);
    QApplication::processEvents();
    for (int burst = 0; burst < 3; ++burst) {
        AddLines(30);
        LetAFramePass();
        EXPECT_EQ(widget.verticalScrollBar()->value(), Position()) << "burst " << burst;
        EXPECT_EQ(widget.verticalScrollBar()->maximum(), Position());
    }
    for (int line = 0; line < 3; ++line) {
        AddLines(1);
        LetAFramePass();
        EXPECT_EQ(widget.verticalScrollBar()->value(), Position()) << "line " << line;
    }
}

}  // namespace
}  // namespace parlevox
