#include "ui/HelpLauncher.h"

#include "platform/Clock.h"
#include "platform/Shell.h"
#include "settings/HelpFiles.h"
#include "ui/FirstRunTexts.h"

namespace parlevox {
namespace {

void ShowHelpError(UserInterface& ui) {
    MessageBoxRequest box;
    box.title = firstrun::kHelpErrorTitle;
    box.text = firstrun::kHelpErrorText;
    box.icon = MessageIcon::Exclamation;
    ui.ShowMessageBox(box);
}

}  // namespace

HelpLauncher::HelpLauncher(std::string programFolder, UserInterface& ui, Now now)
    : programFolder_(std::move(programFolder)), ui_(ui), now_(now ? std::move(now) : Now(&Clock::TickCount)) {}

std::string HelpLauncher::ContentsPath() const {
    return programFolder_ + HelpFiles::kContents;
}

bool HelpLauncher::OpenContents() {
    const uint64_t now = now_();
    const bool repeated = requestedBefore_ && now - lastRequestMs_ < kRepeatMs;
    requestedBefore_ = true;
    lastRequestMs_ = now;
    if (repeated) return false;
    UserInterface& ui = ui_;
    if (Shell::Open(ContentsPath(), [&ui] { ShowHelpError(ui); })) return true;
    ShowHelpError(ui);
    return false;
}

}  // namespace parlevox
