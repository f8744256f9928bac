// The title screen window over a hand-driven clock: what it looks like,
// popups brought in front, and the drain before it goes.
#include "ui/qt/TitleScreenWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <optional>

namespace parlevox {
namespace {

TitleIcon RedIcon() {
    CRawBitmap pixels = CRawBitmap::TrueColour(48, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            uint8_t* pixel = pixels.Row(y) + x * 3;
            pixel[0] = 0, pixel[1] = 0, pixel[2] = 255;
        }
    return {"m", "", "", pixels};
}

class TitleScreenWidgetTest : public testing::Test {
protected:
    QPointer<TitleScreenWidget> Make() {
        return new TitleScreenWidget({}, [this](int ms) { saved = ms; }, [this] { return now; });
    }
    // Advances the clock one step at a time, pumping, until done or out of steps.
    void Steps(TitleScreenWidget* widget, int count) {
        for (int i = 0; i < count && widget && !widget->IsFinished(); ++i) {
            now += CLoaderWindow::kStepMs;
            widget->Pump();
        }
    }

    uint64_t now = 10000;
    std::optional<int> saved;
};

TEST_F(TitleScreenWidgetTest, ShowsAFramelessCentredWindowWithThePicture) {
    QPointer<TitleScreenWidget> widget = Make();
    widget->ShowCentred();
    EXPECT_EQ(widget->windowTitle(), "Loading screen for Parlevox");
    EXPECT_EQ(widget->size(), QSize(600, 420));
    EXPECT_TRUE(widget->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(widget->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    widget->AddIcon(RedIcon());
    Steps(widget, 1);
    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixelColor(12 + 10, 356 + 10), QColor(255, 0, 0)) << "the icon in the first slot";
    delete widget;
}

TEST_F(TitleScreenWidgetTest, RaisesABoxOpenedWhileLoadingAndThenSavesNoLoadingTime) {
    QPointer<TitleScreenWidget> widget = Make();
    widget->ShowCentred();
    QMessageBox box(QMessageBox::Warning, "Problem", "Something went wrong while loading.");
    box.show();
    Steps(widget, 4);
    EXPECT_TRUE(widget->Model().WasPopupSeen());
    box.hide();
    bool finished = false;
    QObject::connect(widget, &TitleScreenWidget::finished, [&] { finished = true; });
    widget->RequestClose();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(saved);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.isNull()) << "the widget deletes itself";
}

TEST_F(TitleScreenWidgetTest, DrainsTheRingBeforeItGoesAndSavesTheLoadingTime) {
    QPointer<TitleScreenWidget> widget = Make();
    widget->ShowCentred();
    widget->SetStatus("Loading settings...");
    widget->AddIcon(RedIcon());
    widget->NoMoreIcons();
    widget->RequestClose();
    ASSERT_FALSE(widget->IsFinished()) << "the icon has not scrolled through yet";
    widget->close();  // a close from outside also waits
    Steps(widget, 9);
    ASSERT_TRUE(widget && !widget->IsFinished());
    Steps(widget, 1);
    ASSERT_TRUE(widget->IsFinished());
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(saved, std::optional<int>(3000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace parlevox
