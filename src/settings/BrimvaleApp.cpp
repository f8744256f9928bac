#include "settings/BrimvaleApp.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "irc/IgnoreHandler.h"
#include "modules/Reaction.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "settings/HelpFiles.h"
#include "settings/ServerList.h"
#include "settings/IgnoreListStore.h"
#include "settings/NotifyListStore.h"
#include "settings/OwnerLists.h"
#include "settings/RegistryMove.h"
#include "settings/SettingsSection.h"
#include "settings/SoundSettingsStore.h"
#include "settings/DccOptionsStore.h"
#include "settings/DccPlugInSettingsStore.h"
#include "settings/UserMenuStore.h"
#include "settings/StartupTexts.h"

namespace parlevox {
namespace {

int StoredCount(Registry& registry, const ListLayout& layout) {
    return SettingsSection(registry, layout.section).ReadInt(ListStorage::kCountName, 0);
}

CLoaderWindow::InstalledCounts InstalledCounts(Registry& registry) {
    return {StoredCount(registry, ScPlugInListLayout()), StoredCount(registry, ModuleListLayout()),
            StoredCount(registry, DccPlugInListLayout())};
}

// The traffic log is opened with the network control, which is made before
// the options record loads.
NetworkSettings EarlyNetworkSettings(Registry& registry) {
    NetworkSettings settings;
    settings.logging = SettingsSection(registry, "Misc").ReadBool("Logging", false);
    return settings;
}

}  // namespace

CBrimvaleApp::CBrimvaleApp(FrontEnd frontEnd, const AppStartOptions& options)
    : frontEnd_(frontEnd), saveSettings_(options.saveSettings), programFolder_(options.programFolder),
      shippedModules_(options.modulesFolder),
      shippedSchemes_(options.schemesFolder) {
    if (!programFolder_.empty() && programFolder_.back() != '/') programFolder_ += '/';
    registry_.Load(options.settingsPath);
    // Nothing is made and nothing written when the former settings cannot move.
    if (!RegistryMove::RunOrReport(registry_, frontEnd_.ui)) return;
    StartUp(options);
    started_ = true;
}

// Relative paths resolve through ProgramFolder, so the working folder is
// left as the shell gave it.
void CBrimvaleApp::StartUp(const AppStartOptions& options) {
    HelpFiles::InstallMissing(options.dataFolder, programFolder_);
    ServerList::InstallMissing(options.dataFolder, programFolder_);
    // The process id goes in too: two clients started in the same second
    // would otherwise draw the same local ports and the second could not connect.
    std::srand(static_cast<unsigned>(std::time(nullptr)) ^ (static_cast<unsigned>(::getpid()) << 16));
    if (saveSettings_) autoSave_ = std::make_unique<RegistryAutoSave>(frontEnd_.loop, registry_);
    // Links are opened from deep inside the output panes, which have no loop
    // of their own to watch the opener with.
    Shell::SetLoop(&frontEnd_.loop);
    StartupHooks& hooks = Hooks();
    storeForTitle_ = std::make_shared<Registry*>(&registry_);
    hooks.ShowTitleScreen(InstalledCounts(registry_), LoadingTimeSaver());
    hooks.Pump();

    network_ = std::make_unique<CNetworkControl>(frontEnd_.loop, frontEnd_.status, options.programFolder,
                                                 EarlyNetworkSettings(registry_));
    hooks.MakeMainFrame(*this);
    hooks.Pump();
    variables_ = std::make_unique<SystemVariables>(network_->State());
    hooks.TitleStatus(startuptext::kLoadingSettings);
    hooks.Pump();
    LoadOptionsAndListOwners();
    hooks.NoMoreIcons();
    hooks.TitleStatus(startuptext::kInitialisingParser);
    hooks.Pump();
    hooks.TitleStatus(startuptext::kInitialisingMajorChannels);
    hooks.Pump();
    LoadMajorChannels(options.majorChannelsFile);
    hooks.Pump();
    hooks.PlaceMainWindow(options_.positions);
    hooks.Pump();
    hooks.CloseTitleScreen();
    dccPlugIns_->StartupAll();  // the main window exists
}

// The program folder's copy first (a person may keep one of their own),
// else the shipped one. A damaged file keeps what was read before the
// damage; a front end that ships none and finds none reads nothing.
void CBrimvaleApp::LoadMajorChannels(const std::string& shipped) {
    std::string path;
    std::error_code error;
    if (!programFolder_.empty()) path = programFolder_ + majorchannels_text::kFileName;
    if (path.empty() || !std::filesystem::exists(path, error)) path = shipped;
    if (path.empty()) return;
    majorChannels_ = parlevox::MajorChannels::Read(path);
    if (const std::optional<std::string>& problem = majorChannels_.Problem())
        frontEnd_.ui.ShowMessageBox({majorchannels_text::kErrorTitle, *problem, MessageIcon::Exclamation});
}

// The options record first, then the list owners in the order their
// settings name them.
void CBrimvaleApp::LoadOptionsAndListOwners() {
    StartupHooks& hooks = Hooks();
    options_.Load(registry_);
    colours_ = options_.ColourSlots();
    network_->Window().SetSettings(options_.Network());
    LoadRunList();
    hooks.Pump();
    menus_ = std::make_unique<CUserMenus>(LoadUserMenus(registry_));
    LoadModules();
    LoadSchemes();
    reactionTexts_ = LoadTextList(registry_, ReactionListLayout());
    reactionTexts_.insert(reactionTexts_.end(), sampleReactions_.begin(), sampleReactions_.end());
    dccOptions_ = LoadDccOptions(registry_);
    LoadDccPlugIns();
    hooks.Pump();
    idiots_ = std::make_unique<CIgnoreList>(
        SilenceSender(frontEnd_.loop, network_->WindowHandleOf(), network_->State()),
        saveSettings_ ? IgnoreListSaver(registry_) : CIgnoreList::Saver());
    idiots_->Load(LoadIgnoreEntries(registry_), Clock::Now());
    hooks.Pump();
    LoadNotifyList();
    hooks.Pump();
    CSoundSystem::Saver saver;
    if (saveSettings_) saver = SoundSettingsSaver(registry_);
    sounds_ = std::make_unique<CSoundSystem>(
        frontEnd_.audio, [this](const std::string& line) { frontEnd_.status.WriteStatus(line); },
        LoadSoundSettings(registry_), std::move(saver), options_.ColourSlots());
    hooks.Pump();
    LoadScPlugIns();
}

// Each shown on the title screen as it loads; their Startup comes once the
// chat session has made the main window usable.
void CBrimvaleApp::LoadScPlugIns() {
    StartupHooks& hooks = Hooks();
    scPlugIns_ = std::make_unique<ScPlugInList>(registry_, frontEnd_.ui, frontEnd_.loop, *variables_, saveSettings_);
    scPlugIns_->Load();
    for (const auto& plugIn : scPlugIns_->Host().PlugIns()) {
        hooks.AddTitleIcon({plugIn->Name(), plugIn->Text2(), plugIn->Text3(), plugIn->Icon()});
        hooks.Pump();
    }
}

void CBrimvaleApp::LoadNotifyList() {
    notify_ = std::make_unique<CNotifyWatch>(
        NotifyWatchServices {frontEnd_.loop, network_->WindowHandleOf(), network_->State(), colours_, frontEnd_.status},
        LoadNotifyNicks(registry_));
    notify_->SetRegisteredNicks(RegisteredNicksOf(options_));
}

// The first list owner, read right after the options record with its
// channel settings.
void CBrimvaleApp::LoadRunList() {
    RunPermissions::Saver saver;
    if (saveSettings_)
        saver = [this](const std::vector<std::string>& allowed) {
            SaveTextList(registry_, AllowRunListLayout(), allowed, kAllowRunField);
        };
    runList_ = std::make_unique<RunPermissions>(frontEnd_.ui, colours_,
                                                LoadTextList(registry_, AllowRunListLayout(), kAllowRunField),
                                                std::move(saver));
}

// The installed list's files, each shown on the title screen as it loads.
void CBrimvaleApp::LoadModules() {
    StartupHooks& hooks = Hooks();
    modules_ = std::make_unique<CModuleManager>(frontEnd_.ui, [] { return std::rand() & 0x7FFF; });
    modules_->SetSaving(saveSettings_);
    modules_->AddItemOwner(*menus_);
    const bool firstStart = SettingsSection(registry_, "Modules").ReadInt("Count", -1) < 0;
    bool listChanged = modules_->LoadInstalled(LoadTextList(registry_, ModuleListLayout()), programFolder_);
    if (firstStart && !shippedModules_.empty()) {
        InstallSampleModule();
        listChanged = true;
    }
    if (listChanged && saveSettings_) SaveTextList(registry_, ModuleListLayout(), modules_->Paths());
    for (const InstalledModule& installed : modules_->Modules()) {
        const CScriptModule& module = *installed.module;
        hooks.AddTitleIcon({module.Name(), module.Author(), module.Copyright(), module.Icon().value_or(CRawBitmap())});
        hooks.Pump();
    }
}

// The "DCC Plug-ins" list, each plug-in shown on the title screen; one
// that fails is dropped and the list saved.
void CBrimvaleApp::LoadDccPlugIns() {
    StartupHooks& hooks = Hooks();
    dccPlugInSettings_ = std::make_unique<DccPlugInSettingsStore>(registry_);
    dccPlugIns_ = std::make_unique<CDCCPlugIns>(DccPlugInServices {frontEnd_.loop, frontEnd_.ui, dccOptions_,
                                                                   dccPlugInSettings_.get(),
                                                                   [this] { SaveDccOptions(); }});
    dccPlugIns_->LoadInstalled();
    for (const std::unique_ptr<CDCCPlugIn>& plugIn : dccPlugIns_->PlugIns()) {
        hooks.AddTitleIcon({plugIn->Name(), plugIn->Text1(), plugIn->Text2(), plugIn->Icon()});
        hooks.Pump();
    }
}

// A new user starts with the shipped sample beside "User": a copy in the
// program folder, so that its changes are the user's own. Its reactions
// join the reaction list once that is loaded.
void CBrimvaleApp::InstallSampleModule() {
    const std::string copy = programFolder_ + "Sample.ParlevoxModule";
    std::error_code error;
    std::filesystem::copy_file(shippedModules_ + "Sample.ParlevoxModule", copy,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) return;  // an incomplete installation: the client runs without it
    CScriptModule* sample = modules_->Install(copy);
    if (!sample) return;
    for (const std::string& text : sample->Reactions()) {
        ParsedReaction parsed = CReaction::FromText(text);
        if (!parsed.reaction) continue;
        parsed.reaction->owner = sample->Id();
        sampleReactions_.push_back(parsed.reaction->ToText());
    }
}

void CBrimvaleApp::LoadSchemes() {
    schemes_ = std::make_unique<CSchemeManager>(frontEnd_.ui, programFolder_);
    const bool firstStart =
        SettingsSection(registry_, SchemeManagerListLayout().section).ReadInt(ListStorage::kCountName, -1) < 0;
    schemes_->LoadInstalled(LoadTextList(registry_, SchemeManagerListLayout()));
    if (firstStart && !shippedSchemes_.empty()) InstallSampleSchemes();
    SaveSchemeList();
}

// A new user starts with the shipped schemes: copies in the program folder,
// so that editing them changes the user's own.
void CBrimvaleApp::InstallSampleSchemes() {
    for (const char* name : {"Calm.ParlevoxScheme", "Night.ParlevoxScheme"}) {
        const std::string copy = programFolder_ + name;
        std::error_code error;
        std::filesystem::copy_file(shippedSchemes_ + name, copy, std::filesystem::copy_options::overwrite_existing,
                                   error);
        if (!error) schemes_->Install(copy);  // else an incomplete installation: the client runs without it
    }
}

void CBrimvaleApp::SaveSchemeList() {
    if (!schemes_ || !schemes_->Dirty()) return;
    if (saveSettings_) SaveTextList(registry_, SchemeManagerListLayout(), schemes_->Paths());
    schemes_->ClearDirty();
}

CLoaderWindow::LoadingTimeSaver CBrimvaleApp::LoadingTimeSaver() {
    if (!saveSettings_) return {};
    return [store = std::weak_ptr<Registry*>(storeForTitle_)](int milliseconds) {
        if (auto registry = store.lock()) OptionsRecord::SaveLoadingTime(**registry, milliseconds);
    };
}

CBrimvaleApp::~CBrimvaleApp() {
    if (!started_) return;
    StartupHooks& hooks = Hooks();
    sounds_->SwitchOff();  // closing windows makes no sound
    if (saveSettings_) {
        SaveTextList(registry_, ModuleListLayout(), modules_->Paths());
        SaveTextList(registry_, ReactionListLayout(), reactionTexts_);
        SaveUserMenus(registry_, *menus_);
    }
    // A module whose menu items changed is saved with them.
    for (const InstalledModule& installed : modules_->Modules()) menus_->Gather(*installed.module);
    modules_->SaveChanged();
    modules_.reset();
    scPlugIns_.reset();
    SaveSchemeList();
    hooks.TakingDown(ShutdownStep::Options, *this);
    if (saveSettings_) options_.Save(registry_);
    SaveDccOptions();
    dccPlugIns_.reset();  // the libraries go while the settings they write still save
    idiots_.reset();  // saves when changed; sends nothing more
    if (saveSettings_ && notify_->Changed()) SaveNotifyNicks(registry_, notify_->Nicks());
    notify_.reset();
    sounds_.reset();  // saves its settings when changed
    hooks.TakingDown(ShutdownStep::NetworkControl, *this);
    network_.reset();
    hooks.TakingDown(ShutdownStep::VariableStore, *this);
    variables_.reset();
    storeForTitle_.reset();
    autoSave_.reset();  // the last save
    Shell::SetLoop(nullptr);
}

void CBrimvaleApp::SaveDccOptions() {
    if (saveSettings_) parlevox::SaveDccOptions(registry_, dccOptions_);
}

void CBrimvaleApp::OptionsChanged() {
    if (saveSettings_) options_.Save(registry_);
    colours_ = options_.ColourSlots();
    network_->Window().SetSettings(options_.Network());
    sounds_->SetColours(colours_);
    notify_->SetRegisteredNicks(RegisteredNicksOf(options_));
}

}  // namespace parlevox
