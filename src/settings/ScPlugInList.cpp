#include "settings/ScPlugInList.h"

#include "modules/ScPlugInTexts.h"
#include "platform/UserInterface.h"
#include "settings/OneShotHints.h"
#include "settings/OwnerLists.h"
#include "settings/PlugInSettings.h"
#include "settings/SettingsList.h"
#include "settings/SettingsSection.h"

namespace parlevox {

using namespace plugin_text;

// A plug-in's settings in the store, in its own section.
class ScPlugInList::Settings final : public PlugInSettingsAccess {
public:
    explicit Settings(Registry& registry) : registry_(registry) {}
    int ReadInt(std::string_view plugIn, std::string_view key, int defaultValue) override {
        return PlugInSettings(registry_, plugIn).ReadInt(key, defaultValue);
    }
    void WriteInt(std::string_view plugIn, std::string_view key, int value) override {
        PlugInSettings(registry_, plugIn).WriteInt(key, value);
    }
    std::string ReadString(std::string_view plugIn, std::string_view key, std::string_view defaultValue) override {
        return registry_.GetProfileString(PlugInSettings::SectionFor(plugIn), key, defaultValue);
    }
    void WriteString(std::string_view plugIn, std::string_view key, std::string_view value) override {
        PlugInSettings(registry_, plugIn).WriteString(key, value);
    }

private:
    Registry& registry_;
};

ScPlugInList::ScPlugInList(Registry& registry, UserInterface& ui, EventLoop& loop, SystemVariables& variables,
                           bool saving)
    : registry_(registry), ui_(ui), saving_(saving), settings_(std::make_unique<Settings>(registry)),
      host_(std::make_unique<CScPlugInHost>(ui, loop, *settings_, variables)) {}

ScPlugInList::~ScPlugInList() {
    host_.reset();  // the plug-ins may write their settings as they go
}

void ScPlugInList::Load() {
    const ListLayout layout = ScPlugInListLayout();
    const std::vector<std::string> paths = LoadTextList(registry_, layout);
    const bool dropped = host_->LoadInstalled(paths);
    // A list cut short at an empty entry is written back as it loaded.
    const int stored = SettingsSection(registry_, layout.section).ReadInt(ListStorage::kCountName, 0);
    if (dropped || stored != static_cast<int>(paths.size())) Save();
}

bool ScPlugInList::Install() {
    if (!OneShotHints::WasShown(registry_, kInstallHint)) {
        ui_.ShowMessageBox({kInstallHintTitle, kInstallHintText, MessageIcon::Information});
        OneShotHints::MarkShown(registry_, kInstallHint);
    }
    std::optional<std::string> path = ui_.ChooseOpenFile(kInstallTitle, kInstallFilter);
    if (!path || !host_->Install(*path)) return false;
    Save();
    return true;
}

bool ScPlugInList::Uninstall(size_t index) {
    if (index >= host_->PlugIns().size()) return false;
    const MessageBoxRequest question{kConfirmUninstallTitle, kConfirmUninstall, MessageIcon::Question,
                                     MessageButtons::YesNo};
    if (ui_.ShowMessageBox(question) != MessageResult::Yes) return false;
    if (!host_->Uninstall(index)) return false;
    Save();
    return true;
}

std::vector<std::string> ScPlugInList::DisplayLines() const {
    std::vector<std::string> lines;
    for (const auto& plugIn : host_->PlugIns()) lines.push_back(plugIn->DisplayLine());
    return lines;
}

void ScPlugInList::Save() {
    if (saving_) SaveTextList(registry_, ScPlugInListLayout(), host_->Paths());
}

}  // namespace parlevox
