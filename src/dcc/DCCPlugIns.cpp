#include "dcc/DCCPlugIns.h"

#include <algorithm>

#include "common/TextHelpers.h"
#include "dcc/DCCPlugInTransfer.h"
#include "dcc/DccFileTypes.h"
#include "dcc/DccPlugInTexts.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

// One received file's way to its plug-in. It names the plug-in by the
// number of its host block, so a plug-in removed meanwhile is simply not
// found.
class PlugInSink final : public DccDataSink {
public:
    explicit PlugInSink(void* plugIn) : plugIn_(plugIn) {}

    void Begin(DccSinkSource& source, const std::string& nick, const std::string& path, uint64_t size) override {
        if (CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugIn_))
            handle_ = plugIn->StartTransfer(source, nick, path, size);
    }
    void Data(const uint8_t* bytes, size_t length) override {
        if (CDCCPlugInTransfer* transfer = Transfer()) transfer->Data(bytes, length);
    }
    void End(bool complete) override {
        if (CDCCPlugInTransfer* transfer = Transfer()) transfer->End(complete);
    }

private:
    CDCCPlugInTransfer* Transfer() const {
        CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugIn_);
        return plugIn && handle_ != 0 ? plugIn->Transfer(handle_) : nullptr;
    }

    void* plugIn_;
    int32_t handle_ = 0;
};

}  // namespace

CDCCPlugIns::CDCCPlugIns(DccPlugInServices services) : services_(std::move(services)) {}

// Released in the reverse order of loading.
CDCCPlugIns::~CDCCPlugIns() {
    while (!plugIns_.empty()) plugIns_.pop_back();
}

void CDCCPlugIns::LoadInstalled() {
    bool dropped = false;
    for (const std::string& path : std::vector<std::string>(services_.options.plugIns)) {
        CDCCPlugIn::LoadFailure failure;
        std::unique_ptr<CDCCPlugIn> plugIn = Load(path, failure);
        if (!plugIn) {
            Box(failure.fileError ? dcc_plugin_text::kDroppedAtStartup : failure.text);
            dropped = true;
            continue;
        }
        plugIns_.push_back(std::move(plugIn));
    }
    SyncList();
    if (dropped) Changed();
}

void CDCCPlugIns::StartupAll() {
    for (const std::unique_ptr<CDCCPlugIn>& plugIn : plugIns_) plugIn->Startup();
}

CDCCPlugIn* CDCCPlugIns::InstallChosen() {
    const std::optional<std::string> chosen =
        services_.ui.ChooseOpenFile(dcc_plugin_text::kSelectTitle, dcc_plugin_text::kFilter);
    return chosen ? Install(*chosen) : nullptr;
}

CDCCPlugIn* CDCCPlugIns::Install(const std::string& chosen) {
    CDCCPlugIn::LoadFailure failure;
    std::unique_ptr<CDCCPlugIn> loaded = Load(CompleteExtension(chosen), failure);
    if (!loaded) {
        Box(failure.fileError ? dcc_plugin_text::kCouldNotLoad : failure.text);
        return nullptr;
    }
    plugIns_.push_back(std::move(loaded));
    CDCCPlugIn& plugIn = *plugIns_.back();
    SyncList();
    plugIn.Startup();
    RouteTypes(plugIn);
    Changed();
    return &plugIn;
}

std::unique_ptr<CDCCPlugIn> CDCCPlugIns::Load(const std::string& path, CDCCPlugIn::LoadFailure& failure) {
    std::unique_ptr<CDCCPlugIn> plugIn = CDCCPlugIn::Load(path, *this, dcc_plugin_text::kDuplicateName, failure);
    if (plugIn && Find(plugIn->Name())) {
        failure = {dcc_plugin_text::kDuplicateName, false};
        return nullptr;
    }
    return plugIn;
}

// Each declared type takes over its entry (or a new one), found without
// regard to case; the table's lookup compares upper case.
void CDCCPlugIns::RouteTypes(const CDCCPlugIn& plugIn) {
    std::vector<DccFileType>& types = services_.options.fileTypes;
    for (const std::string& type : plugIn.Types()) {
        if (type.empty()) continue;
        auto it = std::find_if(types.begin() + (types.empty() ? 0 : 1), types.end(),
                               [&](const DccFileType& entry) { return EqualsIgnoringCase(entry.pattern, type); });
        if (it == types.end()) {
            AddFileType(services_.options, ToUpper(type));
            it = types.end() - 1;
        }
        it->action = dcc_action::kPlugIn;
        it->plugIn = plugIn.Name();
    }
}

bool CDCCPlugIns::Remove(size_t index) {
    if (index >= plugIns_.size()) return false;
    const CDCCPlugIn* chosen = plugIns_[index].get();
    const MessageResult answer =
        services_.ui.ShowMessageBox({dcc_plugin_text::kRemovalTitle, dcc_plugin_text::kRemovalQuestion,
                                     MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageResult::Yes) return false;
    auto it = std::find_if(plugIns_.begin(), plugIns_.end(), [chosen](auto& p) { return p.get() == chosen; });
    if (it == plugIns_.end()) return false;
    std::unique_ptr<CDCCPlugIn> removed = std::move(*it);
    plugIns_.erase(it);
    ForgetPlugIn(services_.options, removed->Name());
    SyncList();
    Changed();
    removed.reset();  // its transfers close, then the library goes
    return true;
}

void CDCCPlugIns::Setup(size_t index) {
    if (index < plugIns_.size()) plugIns_[index]->Setup();
}

CDCCPlugIn* CDCCPlugIns::Find(std::string_view name) const {
    for (const std::unique_ptr<CDCCPlugIn>& plugIn : plugIns_)
        if (EqualsIgnoringCase(plugIn->Name(), name)) return plugIn.get();
    return nullptr;
}

std::shared_ptr<DccDataSink> CDCCPlugIns::SinkFor(const std::string& plugInName) {
    CDCCPlugIn* plugIn = plugInName.empty() ? nullptr : Find(plugInName);
    if (!plugIn) return nullptr;
    return std::make_shared<PlugInSink>(plugIn->HostKey());
}

void CDCCPlugIns::Link(const DccPlugInLink* link) {
    if (!link)
        for (const std::unique_ptr<CDCCPlugIn>& plugIn : plugIns_) plugIn->CloseTransfers();
    link_ = link;
}

std::string CDCCPlugIns::CompleteExtension(std::string path) {
    const std::string_view extension = dcc_plugin_text::kExtension;
    const std::string_view shortened = extension.substr(0, 3);
    if (path.size() > shortened.size() && path[path.size() - shortened.size() - 1] == '.' &&
        EqualsIgnoringCase(std::string_view(path).substr(path.size() - shortened.size()), shortened))
        path += extension.substr(shortened.size());
    return path;
}

void CDCCPlugIns::SyncList() {
    services_.options.plugIns.clear();
    for (const std::unique_ptr<CDCCPlugIn>& plugIn : plugIns_) services_.options.plugIns.push_back(plugIn->Path());
}

void CDCCPlugIns::Changed() {
    if (services_.optionsChanged) services_.optionsChanged();
}

void CDCCPlugIns::Box(const std::string& text) const {
    services_.ui.ShowMessageBox({dcc_plugin_text::kBoxTitle, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

}  // namespace parlevox
