#include "ui/ChatSession.h"

#include "settings/BrimvaleApp.h"
#include "ui/StatusWindow.h"

namespace parlevox {
namespace {

CommandSettings CommandSettingsOf(CBrimvaleApp& app) {
    CommandSettings settings;
    settings.colours = app.Colours();
    settings.servicesHost = app.Options().misc.servicesHost;
    return settings;
}

}  // namespace

// The windows take the processor by reference before it is made: they run
// nothing through it until a window opens, by which time it exists.
CChatSession::CChatSession(CBrimvaleApp& app, CStatusWindow& status, ChatWindowViews& views, const CScheme& scheme)
    : app_(app),
      status_(status),
      variables_(app.Variables()),
      services_{app.Loop(),   app.Network().WindowHandleOf(), app.Network().State(), app.Colours(), processor_,
                &app.Sounds(), app.UI(), scheme, app.ProgramFolder(), app.Options().misc.muckSupport},
      windows_(services_, views),
      processor_(app.Loop(), app.Network().WindowHandleOf(), app.Network().State(), windows_, variables_,
                 CommandSettingsOf(app)),
      mainFrame_(app.Loop(), app.Network().WindowHandleOf(), app.Network().State(), app.Colours(), status, windows_) {
    status_.SetCommands(&processor_);
    windows_.SetDoubleClickCommand(app.Options().misc.doubleClickCommand);
}

CChatSession::~CChatSession() {
    status_.SetCommands(nullptr);
}

void CChatSession::OptionsChanged() {
    processor_.SetSettings(CommandSettingsOf(app_));
    windows_.SetDoubleClickCommand(app_.Options().misc.doubleClickCommand);
}

}  // namespace parlevox
