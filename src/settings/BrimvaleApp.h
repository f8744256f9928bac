#pragma once
// The application object: owns what the client treats as process-wide (the
// settings store and its saver, the options record, the network control
// with the connection state, the system variable table, the sound system),
// makes it in the start-up order, hands each part what it needs by
// reference or as values, and takes it down in the shutdown order. The
// desktop client and the headless client are both front ends over it.
#include <memory>
#include <string>

#include "commands/RunPermissions.h"
#include "dcc/DCCPlugIns.h"
#include "dcc/DccOptions.h"

#include "display/SoundSystem.h"
#include "irc/Idiots.h"
#include "irc/NetworkControl.h"
#include "irc/NotifyWatch.h"
#include "display/SchemeManager.h"
#include "modules/ModuleManager.h"
#include "modules/UserMenus.h"
#include "platform/AudioOutput.h"
#include "platform/Registry.h"
#include "platform/RegistryAutoSave.h"
#include "platform/TimerService.h"
#include "platform/UserInterface.h"
#include "script/SystemVariables.h"
#include "settings/MajorChannels.h"
#include "settings/OptionsRecord.h"
#include "settings/ScPlugInList.h"
#include "settings/StartupHooks.h"

namespace parlevox {

// What a front end lends the application for its whole life.
struct FrontEnd {
    EventLoop& loop;
    UserInterface& ui;
    AudioOutput& audio;
    StatusOutput& status;  // the status window
    StartupHooks* hooks = nullptr;  // title screen and main window; none for the headless client
};

struct AppStartOptions {
    std::string settingsPath;   // the settings file (Registry::DefaultFilePath() normally)
    std::string programFolder;  // where the traffic log, help and tutorial go
    bool saveSettings = true;   // false: changes stay in memory (the headless client)
    std::string dataFolder = {};  // the shipped help pages (DataFolder::Path()); empty: none
    // The shipped modules (DataFolder::ModulesPath()), offered at the first
    // start; empty: none.
    std::string modulesFolder = {};
    // The shipped schemes (DataFolder::SchemesPath()), installed at the
    // first start; empty: none.
    std::string schemesFolder = {};
    // The shipped category file (DataFolder::MajorChannelsPath()), read when
    // the program folder has no "MajorChannels.dat"; empty: none shipped.
    std::string majorChannelsFile = {};
};

class CBrimvaleApp {
public:
    // Starts up. When the move of the former product's settings fails the
    // box has been shown and nothing else is made: Started() is false.
    CBrimvaleApp(FrontEnd frontEnd, const AppStartOptions& options);
    ~CBrimvaleApp();
    CBrimvaleApp(const CBrimvaleApp&) = delete;
    CBrimvaleApp& operator=(const CBrimvaleApp&) = delete;

    bool Started() const { return started_; }

    EventLoop& Loop() { return frontEnd_.loop; }
    // The client's timer service (script timers and other owners).
    CTimerService& Timers() { return timers_; }
    UserInterface& UI() { return frontEnd_.ui; }
    Registry& Store() { return registry_; }
    OptionsRecord& Options() { return options_; }
    CNetworkControl& Network() { return *network_; }
    SystemVariables& Variables() { return *variables_; }
    CSoundSystem& Sounds() { return *sounds_; }
    CModuleManager& Modules() { return *modules_; }
    CSchemeManager& Schemes() { return *schemes_; }
    // The reaction list's stored texts: the chat session's list starts from
    // them and hands them back when it ends; saved at shutdown.
    std::vector<std::string>& ReactionTexts() { return reactionTexts_; }
    // The four user menus: loaded before the modules, whose installs and
    // saves move their items in and out; saved at shutdown.
    CUserMenus& Menus() { return *menus_; }
    // The DCC control's options; SaveDccOptions writes them (also at shutdown).
    DccOptions& Dcc() { return dccOptions_; }
    void SaveDccOptions();
    // The installed DCC plug-ins, loaded with the DCC options.
    CDCCPlugIns& DccPlugIns() { return *dccPlugIns_; }
    // The ignore list ("Idiots"), loaded at start-up without its expired entries.
    CIgnoreList& Idiots() { return *idiots_; }
    // The notify list ("Notify"), loaded after the ignore list; saved at
    // shutdown when it changed.
    CNotifyWatch& Notify() { return *notify_; }
    // The programs "/run" may start without asking ("AllowRun"); saved on
    // every addition.
    RunPermissions& RunList() { return *runList_; }
    // The colour slots as the options give them now; the reference stays valid.
    const ColourCodes& Colours() const { return colours_; }
    // Where the client's relative paths resolve (ends with "/").
    const std::string& ProgramFolder() const { return programFolder_; }

    // The script-command plug-ins: loaded last of the list owners, unloaded
    // at shutdown.
    ScPlugInList& ScPlugIns() { return *scPlugIns_; }

    // The channel categories the join window offers, read at start-up; what
    // a damaged file held before the damage.
    const parlevox::MajorChannels& MajorChannels() const { return majorChannels_; }

    // Writes the installed schemes' list when it changed (also at shutdown).
    void SaveSchemeList();

    // After the options record changed: saves it (when saving) and hands
    // the new values to the parts that took them at start-up.
    void OptionsChanged();

private:
    void StartUp(const AppStartOptions& options);
    void LoadOptionsAndListOwners();
    void LoadModules();
    void LoadRunList();
    void LoadNotifyList();
    void LoadDccPlugIns();
    void InstallSampleModule();
    void LoadSchemes();
    void InstallSampleSchemes();
    void LoadScPlugIns();
    void LoadMajorChannels(const std::string& shipped);
    CLoaderWindow::LoadingTimeSaver LoadingTimeSaver();
    StartupHooks& Hooks() { return frontEnd_.hooks ? *frontEnd_.hooks : noHooks_; }

    StartupHooks noHooks_;
    // The title screen may outlive start-up; its saver holds this weakly.
    std::shared_ptr<Registry*> storeForTitle_;

    FrontEnd frontEnd_;
    CTimerService timers_{frontEnd_.loop};
    bool saveSettings_;
    std::string programFolder_;
    std::string shippedModules_;
    std::string shippedSchemes_;
    ColourCodes colours_;
    bool started_ = false;
    Registry registry_;
    std::unique_ptr<RegistryAutoSave> autoSave_;
    OptionsRecord options_;
    std::unique_ptr<CNetworkControl> network_;
    std::unique_ptr<SystemVariables> variables_;
    std::unique_ptr<CSoundSystem> sounds_;
    std::unique_ptr<CIgnoreList> idiots_;
    std::unique_ptr<CNotifyWatch> notify_;
    std::unique_ptr<RunPermissions> runList_;
    std::unique_ptr<CUserMenus> menus_;
    std::unique_ptr<CModuleManager> modules_;
    std::unique_ptr<CSchemeManager> schemes_;
    std::unique_ptr<ScPlugInList> scPlugIns_;
    std::vector<std::string> reactionTexts_;
    parlevox::MajorChannels majorChannels_;
    DccOptions dccOptions_;
    std::unique_ptr<DccPlugInSettings> dccPlugInSettings_;
    std::unique_ptr<CDCCPlugIns> dccPlugIns_;
    std::vector<std::string> sampleReactions_;  // joins the reaction list once it is loaded
};

}  // namespace parlevox
