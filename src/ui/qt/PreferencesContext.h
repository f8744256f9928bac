#pragma once
// What the preference pages edit. Every page writes the record (or the
// list's owner) at once and then calls optionsChanged, which the front end
// points at the application's and the chat session's OptionsChanged: the
// record is saved and the new values reach the windows.
#include <functional>
#include <string>

namespace parlevox {

class CDCCPlugIns;
class CIgnoreList;
class CNickRegistration;
class CScheme;
class CSchemeManager;
class SchemeEditing;
class CSoundSystem;
class OptionsRecord;
class ScPlugInList;
struct DccOptions;

struct PreferencesContext {
    OptionsRecord& options;
    std::function<void()> optionsChanged;
    CIgnoreList& idiots;  // saves itself and sends SILENCE -; no optionsChanged needed
    CSoundSystem& sounds;  // saved through its own saver after each edit
    const CScheme& scheme;  // its colour map shows what the colour slots look like
    CSchemeManager& schemes;  // the "Schemes" page lists them; changes go through schemeEditing
    SchemeEditing& schemeEditing;
    // The DCC control's options; null leaves the "DCC" page out. Each edit
    // calls dccChanged, which saves them and hands them to the control.
    DccOptions* dcc = nullptr;
    std::function<void()> dccChanged = {};
    // The script-command plug-ins; null leaves the "Plug-ins" page out.
    ScPlugInList* scPlugIns = nullptr;
    // The installed DCC plug-ins ("Install...", "Remove", "Setup..."); null
    // leaves them out. They save the options themselves.
    CDCCPlugIns* dccPlugIns = nullptr;
    // The server directory the servers page offers ("Servers.List" in the
    // program folder); empty leaves the list out.
    std::string serverListPath = {};
    // Registers a nickname with NickServ; null leaves the nicknames page's
    // "Register..." buttons out.
    CNickRegistration* nickRegistration = nullptr;
};

}  // namespace parlevox
