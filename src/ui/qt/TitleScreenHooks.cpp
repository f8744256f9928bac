#include "ui/qt/TitleScreenHooks.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMetaObject>
#include <algorithm>

namespace parlevox {

// Boxes and dialogs close as usual; other windows wait.
bool TitleScreenHooks::CloseHolder::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Close || !widget || !widget->isWindow() || qobject_cast<QDialog*>(widget) ||
        qobject_cast<TitleScreenWidget*>(widget))
        return false;
    if (std::find(held.begin(), held.end(), widget) == held.end()) held.emplace_back(widget);
    event->ignore();
    return true;
}

void TitleScreenHooks::CloseHolder::Release() {
    for (const QPointer<QWidget>& widget : held)
        if (widget) QMetaObject::invokeMethod(widget.data(), &QWidget::close, Qt::QueuedConnection);
    held.clear();
}

// A title screen still up when start-up is abandoned goes with the hooks.
TitleScreenHooks::~TitleScreenHooks() {
    if (closeHolder_) qApp->removeEventFilter(closeHolder_.get());
    delete titleScreen_.data();
}

void TitleScreenHooks::ShowTitleScreen(CLoaderWindow::InstalledCounts installed,
                                       CLoaderWindow::LoadingTimeSaver saver) {
    closeHolder_ = std::make_unique<CloseHolder>();
    qApp->installEventFilter(closeHolder_.get());
    titleScreen_ = new TitleScreenWidget(installed, std::move(saver));
    titleScreen_->ShowCentred();
}

void TitleScreenHooks::TitleStatus(const std::string& text) {
    if (titleScreen_) titleScreen_->SetStatus(text);
}

void TitleScreenHooks::AddTitleIcon(TitleIcon icon) {
    if (titleScreen_) titleScreen_->AddIcon(std::move(icon));
}

void TitleScreenHooks::NoMoreIcons() {
    if (titleScreen_) titleScreen_->NoMoreIcons();
}

// The last step of start-up: held closes go ahead from the event loop.
void TitleScreenHooks::CloseTitleScreen() {
    if (titleScreen_) titleScreen_->RequestClose();
    if (closeHolder_) {
        qApp->removeEventFilter(closeHolder_.get());
        closeHolder_->Release();
        closeHolder_.reset();
    }
}

void TitleScreenHooks::Pump() {
    if (titleScreen_) titleScreen_->Pump();
}

}  // namespace parlevox
