#include "ui/SchemeEditing.h"

#include <algorithm>

#include "display/SchemeManagerTexts.h"
#include "platform/UserInterface.h"
#include "settings/OneShotHints.h"

namespace parlevox {

SchemeEditing::SchemeEditing(CSchemeManager& schemes, UserInterface& ui, Registry& registry,
                             SchemeEditorOpener* opener)
    : schemes_(schemes), ui_(ui), registry_(registry), opener_(opener) {}

int SchemeEditing::Install() {
    if (!OneShotHints::WasShown(registry_, texts::kInstallHint)) {
        ui_.ShowMessageBox({texts::kInstallHintTitle, texts::kInstallHintText, MessageIcon::Information});
        OneShotHints::MarkShown(registry_, texts::kInstallHint);
    }
    std::optional<std::string> path = ui_.ChooseOpenFile(texts::kInstallTitle, texts::kSchemeFilter);
    if (!path || !schemes_.Install(*path)) return -1;
    return schemes_.Count() - 1;
}

int SchemeEditing::Remove(int index) {
    schemes_.Remove(index);
    const int next = std::min(index, schemes_.Count() - 1);
    return next >= 1 ? next : -1;
}

int SchemeEditing::MoveUp(int index) {
    return schemes_.MoveUp(index) ? index - 1 : -1;
}

int SchemeEditing::MoveDown(int index) {
    return schemes_.MoveDown(index) ? index + 1 : -1;
}

std::optional<std::string> SchemeEditing::AskNewPath(const char* title) {
    std::optional<std::string> path =
        ui_.ChooseSaveFile(title, texts::kSchemeFilter, texts::kSchemeDefaultExtension, {});
    if (path) *path = CSchemeManager::CompleteExtension(std::move(*path));
    return path;
}

int SchemeEditing::New() {
    std::optional<std::string> path = AskNewPath(texts::kNewSchemeTitle);
    if (!path || !schemes_.NewScheme(*path)) return -1;
    return schemes_.Count() - 1;
}

int SchemeEditing::Clone(int index) {
    std::optional<std::string> path = AskNewPath(texts::kCloneSchemeTitle);
    if (!path || !schemes_.CloneScheme(index, *path)) return -1;
    return schemes_.Count() - 1;
}

void SchemeEditing::Edit(int index) {
    if (opener_ && index >= 1 && index < schemes_.Count()) opener_->OpenSchemeEditor(index);
}

// Only a scheme made here is narrowed to the window: narrowing the one
// being edited would take it from the other windows that use it.
bool SchemeEditing::EditSchemeForWindow(std::string_view windowId, const std::string& serverName) {
    SchemeWindow window = CSchemeManager::WindowOfId(windowId);
    window.serverName = serverName;
    int index = schemes_.IndexForWindow(window);
    if (index == 0 || CSchemeManager::IsGeneral(schemes_.SchemeAt(index))) {
        const std::optional<int> choice = ui_.ChooseOption(EditSchemeQuestion());
        if (!choice) return false;
        // The built-in scheme cannot be edited: it is copied instead.
        if (*choice != kEditExisting || index == 0) {
            std::optional<std::string> path = AskNewPath(texts::kSaveNewSchemeTitle);
            if (!path) return false;
            CScheme fresh = *choice == kMakeBlank ? CScheme() : schemes_.SchemeAt(index);
            CSchemeManager::NarrowUsage(fresh, windowId);
            if (!schemes_.AddScheme(fresh, *path)) return false;
            index = schemes_.Count() - 1;
        }
    }
    Edit(index);
    return true;
}

ChoiceRequest SchemeEditing::EditSchemeQuestion() {
    return {texts::kEditSchemeTitle,
            texts::kEditSchemeQuestion,
            {{texts::kCreateSpecificScheme, texts::kByCopyingCurrent},
             {texts::kCreateSpecificScheme, texts::kByStartingBlank},
             {{}, texts::kEditExistingScheme}},
            kCopyCurrent};
}

}  // namespace parlevox
