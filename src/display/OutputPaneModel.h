#pragma once
// What an output pane holds apart from its pixels: the stored lines with
// their wrapping, the scroll state, and the settings lines are marked with.
// The pane gives it the layout from its scheme and shows what it holds.
#include <utility>

#include "display/LinkMarking.h"
#include "display/OutputRings.h"
#include "display/OutputScroll.h"

namespace parlevox {

// The client-wide counter of the script command "SuppressOutput": while it
// is above 0 every line written to an output pane is dropped.
class OutputSuppression {
public:
    void Raise() { ++count_; }
    void Lower() {
        if (count_ > 0) --count_;
    }
    void Reset() { count_ = 0; }
    bool Active() const { return count_ > 0; }
    int Count() const { return count_; }

    static OutputSuppression& ClientWide();

private:
    int count_ = 0;
};

class OutputPaneModel {
public:
    explicit OutputPaneModel(OutputSuppression& suppression = OutputSuppression::ClientWide());

    // The owner reads them from the settings (LinkMarkingSettings::FromRegistry)
    // and sets them again when they change.
    void SetMarking(LinkMarkingSettings settings) { marking_ = std::move(settings); }
    const LinkMarkingSettings& Marking() const { return marking_; }

    // The layout from the scheme and the client size. A different width,
    // indent or font re-wraps the stored text; the view stays at the bottom,
    // or else keeps its first visible character in view.
    void SetLayout(const CellWidths& widths, const WrapLayout& wrap, int visibleLines);
    bool HasLayout() const { return rings_.Wrapper().Configured(); }

    // Marks links and highlight words, stores the line and follows it when
    // at the bottom. False when output is suppressed and nothing was stored.
    bool AddLine(COutputBuffer line);
    void Clear();

    const OutputRings& Rings() const { return rings_; }
    OutputScroll& Scroll() { return scroll_; }
    const OutputScroll& Scroll() const { return scroll_; }
    ScrollBarValues ScrollBar() const { return scroll_.Bar(); }

private:
    void UpdateRange() { scroll_.SetRange(rings_.DroppedLines(), rings_.StoredLines()); }

    OutputSuppression& suppression_;
    LinkMarkingSettings marking_;
    OutputRings rings_;
    OutputScroll scroll_;
};

}  // namespace parlevox
