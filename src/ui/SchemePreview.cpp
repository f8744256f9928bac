#include "ui/SchemePreview.h"

#include <fmt/printf.h>

#include "display/ChatLineFormatter.h"
#include "ui/SchemeEditor.h"
#include "ui/SchemeEditorTexts.h"

namespace parlevox {

CSchemePreview::CSchemePreview(const CSchemeEditor& editor, OutputPaneView& view, const SchemePreviewLook& look,
                               AudioOutput* audio, CSoundSystem* sounds)
    : editor_(editor), look_(look), pane_(*this, view, audio, sounds, suppression_) {
    pane_.Model().SetMarking(look_.marking);
    AddSampleLines();
}

const CScheme& CSchemePreview::Scheme() const {
    return editor_.Scheme();
}

ActionContext CSchemePreview::HotspotContext() const {
    return {const_cast<CSchemePreview*>(this), {}, &editor_.Ui()};
}

UserInterface& CSchemePreview::UI() const {
    return editor_.Ui();
}

void CSchemePreview::RunCommand(const std::string& line, const CommandContext&) {
    pane_.AddLine(fmt::sprintf(texts::kPreviewCommand, look_.colours.Code(colour::kInformation), line));
}

void CSchemePreview::AddSampleLines() {
    const ChatLineFormatter format(look_.colours, texts::kPreviewOwnNick);
    pane_.AddLine(format.TopicOnJoin("scheme preview - point at the hot spots to try them"));
    pane_.AddLine(format.Join({"ada", "ada", "example.net"}));
    pane_.AddLine(format.Message("ada", "morning all! the \x02new build\x02 is up"));
    pane_.AddLine(format.Message("bob", "\x03" "03green\x03" "04 red \x03" "12blue\x0f and \x1f" "italic\x1f"));
    pane_.AddLine(format.Action("cyd", "waves at everyone"));
    pane_.AddLine(format.Message(texts::kPreviewOwnNick, "a line of your own, long enough to wrap onto a second "
                                                         "line when the preview is narrow"));
    pane_.AddLine(format.Message("ada", "notes at http://parlevox.example/notes.html"));
    std::string colours = look_.colours.Code(colour::kText) + texts::kPreviewColours;
    for (int index = 0; index < CScheme::kColourCount; ++index) colours += fmt::sprintf("\x03%02d %d", index, index);
    pane_.AddLine(colours);
}

}  // namespace parlevox
