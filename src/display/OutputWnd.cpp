#include "display/OutputWnd.h"

#include <algorithm>

namespace parlevox {

COutputWnd::COutputWnd(OutputPaneOwner& owner, OutputPaneView& view, AudioOutput* audio, CSoundSystem* sounds,
                       OutputSuppression& suppression)
    : owner_(owner), view_(view), audio_(audio), sounds_(sounds), model_(suppression) {}

void COutputWnd::EnsureLayout() {
    if (laidOut_) return;
    const CScheme& scheme = owner_.Scheme();
    layout_ = PaneLayout::From(scheme, width_, height_);
    glyphs_ = scheme.TextFont().SharedGlyphs();
    model_.SetLayout(PaneCellWidths(glyphs_), layout_.Wrap(), layout_.visibleLines);
    laidOut_ = true;
}

const PaneLayout& COutputWnd::Layout() {
    EnsureLayout();
    return layout_;
}

void COutputWnd::InvalidateAll() {
    view_.Invalidate({0, 0, width_, height_});
}

void COutputWnd::Changed() {
    view_.ScrollBarChanged(model_.ScrollBar());
    InvalidateAll();
}

void COutputWnd::Resize(int width, int height) {
    width = std::clamp(width, 0, CRawBitmap::kMaxDimension);
    height = std::clamp(height, 0, CRawBitmap::kMaxDimension);
    if (width == width_ && height == height_ && laidOut_) return;
    width_ = width;
    height_ = height;
    SchemeChanged();
}

void COutputWnd::SchemeChanged() {
    // Hot spot numbers and rectangles belong to the old layout.
    if (hotspot_ >= 0) view_.ReleaseMouse();
    hotspot_ = -1;
    hotspotPressed_ = insideHotspot_ = false;
    laidOut_ = false;
    painter_.DropCaches();
    EnsureLayout();
    Changed();
}

void COutputWnd::AddLine(std::string_view text) {
    AddLine(ToCells(text));
}

void COutputWnd::AddLine(COutputBuffer line) {
    EnsureLayout();
    if (!model_.AddLine(std::move(line))) return;
    Changed();
}

void COutputWnd::Clear() {
    if (selection_.active) view_.ReleaseMouse();
    selection_ = {};
    model_.Clear();
    Changed();
}

template <typename Move>
void COutputWnd::Scroll(Move move) {
    EnsureLayout();
    move(model_.Scroll());
    Changed();
}

void COutputWnd::LineUp() { Scroll([](OutputScroll& s) { s.LineUp(); }); }
void COutputWnd::LineDown() { Scroll([](OutputScroll& s) { s.LineDown(); }); }
void COutputWnd::PageUp() { Scroll([](OutputScroll& s) { s.PageUp(); }); }
void COutputWnd::PageDown() { Scroll([](OutputScroll& s) { s.PageDown(); }); }
void COutputWnd::Top() { Scroll([](OutputScroll& s) { s.Top(); }); }
void COutputWnd::Bottom() { Scroll([](OutputScroll& s) { s.Bottom(); }); }
void COutputWnd::GoTo(int64_t position) { Scroll([position](OutputScroll& s) { s.GoTo(position); }); }

const CRawBitmap& COutputWnd::Paint() {
    EnsureLayout();
    return painter_.Paint(owner_.Scheme(), *glyphs_, layout_, model_, ShownHotspot(), selection_);
}

}  // namespace parlevox
