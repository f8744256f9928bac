#pragma once
// The installed script-command plug-ins, in list order: loaded at start-up
// from the stored paths, installed and uninstalled from the preferences,
// asked for commands by scripts and "/" lines (the first plug-in offering
// a name wins, names compared without case), started once the main window
// exists. Failures are message boxes; the plug-in is then not installed.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "modules/ScPlugIn.h"

namespace parlevox {

class UserInterface;

class CScPlugInHost {
public:
    CScPlugInHost(UserInterface& ui, EventLoop& loop, PlugInSettingsAccess& settings, SystemVariables& variables);
    ~CScPlugInHost();
    CScPlugInHost(const CScPlugInHost&) = delete;
    CScPlugInHost& operator=(const CScPlugInHost&) = delete;

    // The chat session's windows while it exists; null drops every view.
    void SetWindows(PlugInWindowHost* windows);

    // Loads the list in order; one that fails is shown and left out. True
    // when any was left out (the stored list should be written again).
    bool LoadInstalled(const std::vector<std::string>& paths);
    // Refuses a second plug-in of the same name (or the same library);
    // null when it was not installed (the reason was shown). Once the
    // plug-ins have been started, the new one is started at once.
    CScPlugIn* Install(const std::string& path);
    // Unloads it (once any call into it has returned); the file stays.
    bool Uninstall(size_t index);
    // Each plug-in's Startup, in list order; later calls do nothing.
    void StartAll();

    const std::vector<std::shared_ptr<CScPlugIn>>& PlugIns() const { return plugIns_; }
    std::vector<std::string> Paths() const;

    struct FoundCommand {
        std::shared_ptr<CScPlugIn> plugIn;
        const ScPlugInCommand* command = nullptr;
        explicit operator bool() const { return command != nullptr; }
    };
    FoundCommand FindCommand(std::string_view name) const;
    bool HasCommand(std::string_view name) const { return static_cast<bool>(FindCommand(name)); }
    // The argument must have the command's type string.
    CVariable Run(const FoundCommand& found, const CVariable& argument);

private:
    std::shared_ptr<CScPlugIn> Load(const std::string& path, bool& nameTaken);
    void Show(const std::string& text) const;

    UserInterface& ui_;
    std::shared_ptr<ScPlugInServices> services_;
    std::vector<std::shared_ptr<CScPlugIn>> plugIns_;
    bool started_ = false;
};

}  // namespace parlevox
