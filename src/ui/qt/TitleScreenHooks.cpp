#include "ui/qt/TitleScreenHooks.h"

namespace parlevox {

// A title screen still up when start-up is abandoned goes with the hooks.
TitleScreenHooks::~TitleScreenHooks() {
    delete titleScreen_.data();
}

void TitleScreenHooks::ShowTitleScreen(CLoaderWindow::InstalledCounts installed,
                                       CLoaderWindow::LoadingTimeSaver saver) {
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

void TitleScreenHooks::CloseTitleScreen() {
    if (titleScreen_) titleScreen_->RequestClose();
}

void TitleScreenHooks::Pump() {
    if (titleScreen_) titleScreen_->Pump();
}

}  // namespace parlevox
