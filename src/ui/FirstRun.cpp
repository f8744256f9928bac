#include "ui/FirstRun.h"

#include "common/TextHelpers.h"
#include "platform/Shell.h"
#include "settings/HelpFiles.h"
#include "settings/OneShotHints.h"
#include "ui/FirstRunTexts.h"

namespace parlevox {
namespace {

MessageResult Ask(UserInterface& ui, const char* title, const char* text, MessageButtons buttons) {
    MessageBoxRequest box;
    box.title = title;
    box.text = text;
    box.icon = MessageIcon::Question;
    box.buttons = buttons;
    return ui.ShowMessageBox(box);
}

void ShowUrlError(UserInterface& ui) {
    MessageBoxRequest box;
    box.title = firstrun::kUrlErrorTitle;
    box.text = firstrun::kUrlErrorText;
    box.icon = MessageIcon::Exclamation;
    ui.ShowMessageBox(box);
}

bool IsChannelPrefix(char c) {
    return c == '#' || c == '&' || c == '+' || c == '!';
}

}  // namespace

bool FirstRun::Run(UserInterface& ui, Registry& registry, FirstRunWizard& wizard, const std::string& programFolder,
                   OptionsRecord& options) {
    OfferTutorial(ui, programFolder);
    AskIfExpert(ui, registry);
    InitialConfiguration start;
    start.nicknames = options.nicknames;
    std::optional<InitialConfiguration> entered = wizard.Run(start);
    if (!entered) return false;
    Apply(*entered, options);
    return true;
}

void FirstRun::OfferTutorial(UserInterface& ui, const std::string& programFolder) {
    if (Ask(ui, firstrun::kTutorialTitle, firstrun::kTutorialText, MessageButtons::YesNo) != MessageResult::Yes) return;
    // xdg-open says it failed only when it exits, long after this returns.
    if (!Shell::Open(programFolder + HelpFiles::kTutorial, [&ui] { ShowUrlError(ui); })) ShowUrlError(ui);
}

void FirstRun::AskIfExpert(UserInterface& ui, Registry& registry) {
    if (Ask(ui, firstrun::kExpertTitle, firstrun::kExpertText, MessageButtons::YesNoDefaultNo) == MessageResult::Yes)
        OneShotHints::MarkExpertHintsShown(registry);
}

void FirstRun::Apply(const InitialConfiguration& entered, OptionsRecord& options) {
    options.nicknames[0].name = CleanNickname(entered.nicknames[0].name);
    for (ServerSlot& server : options.servers)
        server = entered.network && entered.network->Assignable()
                     ? ServerSlot {entered.network->host, entered.network->port}
                     : ServerSlot {ServersFor(entered.continent), kServerPort};
    if (!entered.detailsEntered) return;
    for (size_t i = 0; i < options.nicknames.size(); ++i) {
        options.nicknames[i].name = CleanNickname(entered.nicknames[i].name);
        options.nicknames[i].password = entered.nicknames[i].password;
    }
    for (const InitialConfiguration::Channel& channel : entered.channels) RememberChannel(channel, options);
}

// A channel typed without its prefix is taken as a "#" channel; one that
// is remembered already gets the new password.
void FirstRun::RememberChannel(const InitialConfiguration::Channel& channel, OptionsRecord& options) {
    std::string name;
    for (char c : channel.name)
        if (static_cast<unsigned char>(c) > ' ' && c != ',') name += c;
    if (name.empty()) return;
    if (!IsChannelPrefix(name.front())) name.insert(name.begin(), '#');
    for (ChannelSetting& known : options.channels)
        if (EqualsIgnoringCase(known.name, name)) {
            known.password = channel.password;
            return;
        }
    ChannelSetting added;
    added.name = name;
    added.password = channel.password;
    options.channels.push_back(added);
}

std::string FirstRun::CleanNickname(std::string_view typed) {
    std::string nick;
    for (char c : typed) {
        if (nick.size() == kMaxNicknameLength) break;
        if (static_cast<unsigned char>(c) > ' ') nick += c;
    }
    return nick;
}

const char* FirstRun::ServersFor(Continent continent) {
    return continent == Continent::Europe ? kEuropeServers : kAmericaServers;
}

}  // namespace parlevox
