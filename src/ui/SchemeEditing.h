#pragma once
// What the "Schemes" preferences page and the per-window editing command do
// with the scheme manager, with their dialogs: the one-shot install hint,
// the file dialogs, the "Edit scheme" question. Opening the editor window
// itself is the front end's (SchemeEditorOpener).
#include <optional>
#include <string>
#include <string_view>

#include "display/SchemeManager.h"
#include "platform/UserInterface.h"

namespace parlevox {

class Registry;

class SchemeEditorOpener {
public:
    virtual ~SchemeEditorOpener() = default;
    // Opens the editor window on the entry (BeginEdit is the window's).
    virtual void OpenSchemeEditor(int index) = 0;
};

class SchemeEditing {
public:
    // registry holds the one-shot hints; opener may be null (no editor:
    // the headless client), then Edit does nothing.
    SchemeEditing(CSchemeManager& schemes, UserInterface& ui, Registry& registry, SchemeEditorOpener* opener);

    // The page's buttons; index is a manager entry (1 and up). Each returns
    // the entry to select afterwards, or -1 when nothing changed.
    int Install();
    int Remove(int index);
    int MoveUp(int index);
    int MoveDown(int index);
    int New();
    int Clone(int index);
    void Edit(int index);

    // The "SchemeEdit" command: "#channel", "~KindName" or a nickname.
    // False when the person cancelled or a file could not be made.
    bool EditSchemeForWindow(std::string_view windowId, const std::string& serverName = {});

    // The "Edit scheme" question's choices, in order.
    static constexpr int kCopyCurrent = 0;
    static constexpr int kMakeBlank = 1;
    static constexpr int kEditExisting = 2;
    static ChoiceRequest EditSchemeQuestion();

private:
    std::optional<std::string> AskNewPath(const char* title);

    CSchemeManager& schemes_;
    UserInterface& ui_;
    Registry& registry_;
    SchemeEditorOpener* opener_;
};

}  // namespace parlevox
