#pragma once
// The installed script-command plug-ins as the settings keep them ("SC
// Plug-ins", one library path per entry) and as the person changes them:
// install after the one-shot safety hint through the file dialog, uninstall
// after a question. Every change writes the list back (when saving).
#include <memory>
#include <string>
#include <vector>

#include "modules/ScPlugInHost.h"
#include "platform/Registry.h"

namespace parlevox {

class ScPlugInList {
public:
    ScPlugInList(Registry& registry, UserInterface& ui, EventLoop& loop, SystemVariables& variables, bool saving);
    ~ScPlugInList();

    CScPlugInHost& Host() { return *host_; }
    const CScPlugInHost& Host() const { return *host_; }

    // At start-up: the stored list, without the entries that failed.
    void Load();
    // True when a plug-in was installed.
    bool Install();
    // True when the person agreed and it went.
    bool Uninstall(size_t index);
    // "Name / text2 (text3)" of each, in list order.
    std::vector<std::string> DisplayLines() const;

private:
    class Settings;
    void Save();

    Registry& registry_;
    UserInterface& ui_;
    bool saving_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<CScPlugInHost> host_;
};

}  // namespace parlevox
