#include "display/SchemeItems.h"

#include "display/SchemeTexts.h"
#include "platform/AudioOutput.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

void WarnUrl(UserInterface* ui, const char* text) {
    if (ui) ui->ShowMessageBox({texts::kUrlErrorTitle, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

bool HasUrlPrefix(std::string_view address) {
    for (const char* prefix : texts::kUrlPrefixes)
        if (address.starts_with(prefix)) return true;
    return false;
}

}  // namespace

void CSchemeItem::SetName(std::string_view name) {
    name_.assign(name.substr(0, kMaxNameLength));
}

void CSchemeURL::Run(const ActionContext& context) const {
    if (!HasUrlPrefix(Text())) {
        WarnUrl(context.ui, texts::kUrlNotValid);
        return;
    }
    auto failed = [ui = context.ui] { WarnUrl(ui, texts::kUrlOpenFailed); };
    if (!Shell::Open(Text(), failed)) failed();
}

void CSchemeCommand::Run(const ActionContext& context) const {
    if (context.commands) context.commands->RunCommand(Text(), context.window);
}

bool CSchemeSound::Play(AudioOutput& output) const {
    return output.PlayWave(wave_);
}

}  // namespace parlevox
