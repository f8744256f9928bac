#include "display/OutputPaneModel.h"

namespace parlevox {

OutputSuppression& OutputSuppression::ClientWide() {
    static OutputSuppression suppression;
    return suppression;
}

OutputPaneModel::OutputPaneModel(OutputSuppression& suppression) : suppression_(suppression) {}

void OutputPaneModel::SetLayout(const CellWidths& widths, const WrapLayout& wrap, int visibleLines) {
    const auto top = rings_.Line(scroll_.Position());
    scroll_.SetVisibleLines(visibleLines);
    if (rings_.SetWrap(widths, wrap)) {
        UpdateRange();
        if (!scroll_.AtBottom() && top && rings_.IsStored(top->start))
            scroll_.GoTo(rings_.LineContaining(top->start));
    }
}

bool OutputPaneModel::AddLine(COutputBuffer line) {
    if (suppression_.Active()) return false;
    MarkLinksAndHighlights(line, marking_);
    rings_.AddLine(line);
    UpdateRange();
    return true;
}

void OutputPaneModel::Clear() {
    rings_.Clear();
    scroll_.Reset();
}

}  // namespace parlevox
