#include "settings/BrimvaleApp.h"

#include "irc/IgnoreHandler.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "settings/IgnoreListStore.h"
#include "settings/RegistryMove.h"
#include "settings/SoundSettingsStore.h"

namespace parlevox {

CBrimvaleApp::CBrimvaleApp(FrontEnd frontEnd, const AppStartOptions& options)
    : frontEnd_(frontEnd), saveSettings_(options.saveSettings), programFolder_(options.programFolder) {
    if (!programFolder_.empty() && programFolder_.back() != '/') programFolder_ += '/';
    registry_.Load(options.settingsPath);
    if (!RegistryMove::RunOrReport(registry_, frontEnd_.ui)) return;
    StartUp(options);
    started_ = true;
}

// The options record is read before the network control is made, so that
// the layers below take their settings as values when they are created.
void CBrimvaleApp::StartUp(const AppStartOptions& options) {
    if (saveSettings_) autoSave_ = std::make_unique<RegistryAutoSave>(frontEnd_.loop, registry_);
    // Links are opened from deep inside the output panes, which have no loop
    // of their own to watch the opener with.
    Shell::SetLoop(&frontEnd_.loop);
    options_.Load(registry_);
    colours_ = options_.ColourSlots();
    network_ = std::make_unique<CNetworkControl>(frontEnd_.loop, frontEnd_.status, options.programFolder,
                                                 options_.Network());
    variables_ = std::make_unique<SystemVariables>(network_->State());
    CSoundSystem::Saver saver;
    if (saveSettings_) saver = SoundSettingsSaver(registry_);
    sounds_ = std::make_unique<CSoundSystem>(
        frontEnd_.audio, [this](const std::string& line) { frontEnd_.status.WriteStatus(line); },
        LoadSoundSettings(registry_), std::move(saver), options_.ColourSlots());
    idiots_ = std::make_unique<CIgnoreList>(
        SilenceSender(frontEnd_.loop, network_->WindowHandleOf(), network_->State()),
        saveSettings_ ? IgnoreListSaver(registry_) : CIgnoreList::Saver());
    idiots_->Load(LoadIgnoreEntries(registry_), Clock::Now());
}

CBrimvaleApp::~CBrimvaleApp() {
    if (!started_) return;
    sounds_->SwitchOff();  // closing windows makes no sound
    if (saveSettings_) options_.Save(registry_);
    idiots_.reset();  // saves when changed; sends nothing more
    network_.reset();
    variables_.reset();
    sounds_.reset();  // saves its settings when changed
    autoSave_.reset();  // the last save
    Shell::SetLoop(nullptr);
}

void CBrimvaleApp::OptionsChanged() {
    if (saveSettings_) options_.Save(registry_);
    colours_ = options_.ColourSlots();
    network_->Window().SetSettings(options_.Network());
    sounds_->SetColours(colours_);
}

}  // namespace parlevox
