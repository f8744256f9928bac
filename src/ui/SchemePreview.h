#pragma once
// What the scheme editor shows its working copy with: a real output pane
// holding a few sample lines (chat in colours, a join, an action, a link
// and every colour of the map), painted with the editor's scheme. Its hot
// spots answer the mouse as in any window; a command hot spot's line is
// shown in the pane rather than run.
#include <string>

#include "display/LinkMarking.h"
#include "display/OutputWnd.h"
#include "irc/ColourCodes.h"

namespace parlevox {

class AudioOutput;
class CSchemeEditor;
class CSoundSystem;
class UserInterface;

struct SchemePreviewLook {
    ColourCodes colours;          // the colour slots of the sample lines
    LinkMarkingSettings marking;  // the link colour
};

class CSchemePreview final : public OutputPaneOwner, public CommandRunner {
public:
    // Without audio output and sound system the hot spots stay silent.
    CSchemePreview(const CSchemeEditor& editor, OutputPaneView& view, const SchemePreviewLook& look,
                   AudioOutput* audio = nullptr, CSoundSystem* sounds = nullptr);

    COutputWnd& Pane() { return pane_; }
    // The editor changed the scheme, or Apply replaced the working copy.
    void SchemeEdited() { pane_.SchemeChanged(); }

    // OutputPaneOwner.
    const CScheme& Scheme() const override;
    ActionContext HotspotContext() const override;
    UserInterface& UI() const override;
    bool IsChannelWindow() const override { return false; }
    void OnNicknameMenu(const std::string&, int, int) override {}
    void OnContextMenu(int, int) override {}

    // CommandRunner: a command hot spot says what it would run.
    void RunCommand(const std::string& line, const CommandContext& context) override;

private:
    void AddSampleLines();

    const CSchemeEditor& editor_;
    SchemePreviewLook look_;
    OutputSuppression suppression_;  // the client's "SuppressOutput" does not empty the preview
    COutputWnd pane_;
};

}  // namespace parlevox
