#include "modules/ScPlugInHost.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "modules/ScPlugInTexts.h"
#include "platform/UserInterface.h"

namespace parlevox {

using namespace plugin_text;

CScPlugInHost::CScPlugInHost(UserInterface& ui, EventLoop& loop, PlugInSettingsAccess& settings,
                             SystemVariables& variables)
    : ui_(ui), services_(std::make_shared<ScPlugInServices>(ScPlugInServices{loop, settings, variables})) {}

// Later plug-ins go first, as they may use what earlier ones set up.
CScPlugInHost::~CScPlugInHost() {
    SetWindows(nullptr);
    while (!plugIns_.empty()) plugIns_.pop_back();
}

void CScPlugInHost::SetWindows(PlugInWindowHost* windows) {
    services_->windows = windows;
    if (!windows)
        for (const std::shared_ptr<CScPlugIn>& plugIn : plugIns_) plugIn->DropViews();
}

void CScPlugInHost::Show(const std::string& text) const {
    ui_.ShowMessageBox({kTitle, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

std::shared_ptr<CScPlugIn> CScPlugInHost::Load(const std::string& path, bool& nameTaken) {
    nameTaken = false;
    auto loadedAlready = [this](void* library) {
        for (const std::shared_ptr<CScPlugIn>& plugIn : plugIns_)
            if (plugIn->Library() == library) return true;
        return false;
    };
    CScPlugIn::LoadError error = CScPlugIn::LoadError::None;
    std::shared_ptr<CScPlugIn> plugIn = CScPlugIn::Load(path, services_, loadedAlready, error);
    switch (error) {
        case CScPlugIn::LoadError::None: break;
        case CScPlugIn::LoadError::Failed: Show(fmt::sprintf(kFailedToLoad, path)); return nullptr;
        case CScPlugIn::LoadError::NotCompatible: Show(fmt::sprintf(kNotCompatible, path)); return nullptr;
        case CScPlugIn::LoadError::SameLibrary: nameTaken = true; return nullptr;
    }
    for (const std::shared_ptr<CScPlugIn>& installed : plugIns_)
        if (EqualsIgnoringCase(installed->Name(), plugIn->Name())) {
            nameTaken = true;
            return nullptr;
        }
    return plugIn;
}

bool CScPlugInHost::LoadInstalled(const std::vector<std::string>& paths) {
    bool dropped = false;
    for (const std::string& path : paths) {
        bool nameTaken = false;
        if (std::shared_ptr<CScPlugIn> plugIn = Load(path, nameTaken)) {
            plugIns_.push_back(std::move(plugIn));
            continue;
        }
        Show(kDroppedFromList);
        dropped = true;
    }
    return dropped;
}

CScPlugIn* CScPlugInHost::Install(const std::string& path) {
    bool nameTaken = false;
    std::shared_ptr<CScPlugIn> plugIn = Load(path, nameTaken);
    if (!plugIn) {
        Show(nameTaken ? kNameTaken : kCouldNotLoad);
        return nullptr;
    }
    plugIns_.push_back(plugIn);
    if (started_) plugIn->CallStartup();
    return plugIn.get();
}

bool CScPlugInHost::Uninstall(size_t index) {
    if (index >= plugIns_.size()) return false;
    plugIns_.erase(plugIns_.begin() + static_cast<ptrdiff_t>(index));
    return true;
}

// From a copy of the list: a Startup may open a box in which the person
// installs or removes plug-ins.
void CScPlugInHost::StartAll() {
    if (started_) return;
    started_ = true;
    const std::vector<std::shared_ptr<CScPlugIn>> plugIns = plugIns_;
    for (const std::shared_ptr<CScPlugIn>& plugIn : plugIns) plugIn->CallStartup();
}

std::vector<std::string> CScPlugInHost::Paths() const {
    std::vector<std::string> paths;
    for (const std::shared_ptr<CScPlugIn>& plugIn : plugIns_) paths.push_back(plugIn->Path());
    return paths;
}

CScPlugInHost::FoundCommand CScPlugInHost::FindCommand(std::string_view name) const {
    for (const std::shared_ptr<CScPlugIn>& plugIn : plugIns_)
        if (const ScPlugInCommand* command = plugIn->FindCommand(name)) return {plugIn, command};
    return {};
}

CVariable CScPlugInHost::Run(const FoundCommand& found, const CVariable& argument) {
    if (!found) return {};
    return found.plugIn->Run(*found.command, argument);
}

}  // namespace parlevox
