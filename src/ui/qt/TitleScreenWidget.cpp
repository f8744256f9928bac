#include "ui/qt/TitleScreenWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "display/ButtonStripLayout.h"
#include "display/TitleScreenTexts.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

// The loop sleeps this long between looks at the ring.
constexpr int kTimerMs = 40;
constexpr int kPopupCheckEvery = 4;
constexpr int kWaitForWindowMs = 500;

bool IsPopup(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return qobject_cast<const QDialog*>(widget) || type == Qt::Dialog || type == Qt::Sheet;
}

}  // namespace

TitleScreenWidget::TitleScreenWidget(CLoaderWindow::InstalledCounts installed, CLoaderWindow::LoadingTimeSaver saver,
                                     Now now)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window),
      now_(now ? std::move(now) : Now(&Clock::TickCount)),
      model_(std::make_unique<CLoaderWindow>(now_(), installed, std::move(saver))) {
    setWindowTitle(QString::fromLatin1(titletext::kCaption));
    setFixedSize(layout::kTitleWidth, layout::kTitleHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(kTimerMs);
    connect(&timer_, &QTimer::timeout, this, &TitleScreenWidget::Tick);
}

TitleScreenWidget::~TitleScreenWidget() {
    model_->Finish(now_());
}

void TitleScreenWidget::ShowCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    show();
    timer_.start();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < kWaitForWindowMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 20);
}

void TitleScreenWidget::SetStatus(const std::string& text) {
    model_->SetStatus(text);
    update();
}

void TitleScreenWidget::AddIcon(TitleIcon icon) {
    model_->AddIcon(std::move(icon), now_());
}

// The core's sockets stay quiet while the application object is still
// being made; only window-system events and timers run.
void TitleScreenWidget::Pump() {
    Tick();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}

void TitleScreenWidget::RequestClose() {
    model_->RequestClose();
    FinishIfReady();
}

void TitleScreenWidget::Tick() {
    if (finished_) return;
    // Counted in looks at the ring, which go on while it waits for icons.
    if (++ticks_ % kPopupCheckEvery == 0) RaisePopups();
    if (model_->Step(now_())) repaint();
    FinishIfReady();
}

// Boxes opened while loading would otherwise sit behind the title screen.
void TitleScreenWidget::RaisePopups() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == this || !widget->isVisible() || !IsPopup(widget)) continue;
        if (std::find(raised_.begin(), raised_.end(), widget) != raised_.end()) continue;
        raised_.emplace_back(widget);
        widget->raise();
        widget->activateWindow();
        model_->PopupSeen();
    }
}

void TitleScreenWidget::FinishIfReady() {
    if (finished_ || !model_->ReadyToClose()) return;
    finished_ = true;
    timer_.stop();
    model_->Finish(now_());
    hide();
    emit finished();
    deleteLater();
}

void TitleScreenWidget::paintEvent(QPaintEvent*) {
    const CRawBitmap& image = model_->Paint();
    QImage view(image.Pixels().data(), image.Width(), image.Height(), static_cast<qsizetype>(image.Stride()),
                QImage::Format_BGR888);
    QPainter(this).drawImage(0, 0, view);
}

// A close from outside (the window manager) waits for the ring like any other.
void TitleScreenWidget::closeEvent(QCloseEvent* event) {
    if (finished_) {
        event->accept();
        return;
    }
    event->ignore();
    RequestClose();
}

}  // namespace parlevox
