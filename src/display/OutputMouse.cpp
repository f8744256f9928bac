// The mouse side of COutputWnd: hot spots, selection, links and nicknames.
#include "common/InternalErrorReport.h"
#include "display/OutputWnd.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

constexpr const char* kUrlFailed =
    "There was a problem executing the given URL.\n\nCheck your web browser is set up correctly; you should be able "
    "to type a URL into the Run box (from the Windows Start menu) and have it load.";
constexpr const char* kBoxTitle = "Parlevox";

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t quotient = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) --quotient;
    return quotient;
}

void Warn(UserInterface& ui, const char* title, const char* text) {
    ui.ShowMessageBox({title, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

bool Has(const Cell& cell, uint8_t attribute) {
    return cell.IsText() && (cell.attr & attribute);
}

}  // namespace

HotspotState COutputWnd::ShownHotspot() const {
    if (hotspot_ < 0 || (hotspotPressed_ && !insideHotspot_)) return {};
    return {hotspot_, hotspotPressed_};
}

int64_t COutputWnd::LineAt(int y) {
    EnsureLayout();
    const int64_t fromTop = int64_t{y} - FirstLineTop(layout_, model_);
    return FloorDiv(fromTop, layout_.lineHeight) + model_.Scroll().Position();
}

std::optional<RingIndex> COutputWnd::CellAt(int x, int y) {
    const int64_t line = LineAt(y);
    return model_.Rings().CharacterAt(line, x - layout_.text.left);
}

void COutputWnd::PlaySound(int number, int event) {
    if (audio_ && sounds_) owner_.Scheme().PlayHotspotSound(number, event, *audio_, *sounds_);
}

void COutputWnd::InvalidateHotspot(int number) {
    const CScheme& scheme = owner_.Scheme();
    view_.Invalidate(scheme.HotspotRect(number, width_, height_));
    for (bool pressed : {false, true})
        if (const HotspotPicture* picture = painter_.Picture(scheme, layout_, number, pressed))
            view_.Invalidate(picture->rect);
}

void COutputWnd::SetHotspot(int number) {
    if (hotspot_ >= 0) {
        view_.ReleaseMouse();
        InvalidateHotspot(hotspot_);
    }
    hotspot_ = number;
    insideHotspot_ = number >= 0;
    if (number < 0) return;
    view_.CaptureMouse();
    InvalidateHotspot(number);
    PlaySound(number, 0);
}

// Follows the mouse over the hot spots; a pressed one keeps it.
void COutputWnd::HotspotMove(int x, int y) {
    const CScheme& scheme = owner_.Scheme();
    if (hotspotPressed_) {
        const bool inside = Contains(scheme.HotspotRect(hotspot_, width_, height_), x, y);
        if (inside != insideHotspot_) {
            insideHotspot_ = inside;
            InvalidateHotspot(hotspot_);
            PlaySound(hotspot_, inside ? 1 : 2);
        }
        return;
    }
    const int number = scheme.HotspotAt(x, y, width_, height_);
    if (number != hotspot_) SetHotspot(number);
}

// The hand over link cells, the arrow elsewhere (and over hot spots).
void COutputWnd::UpdateCursor(int x, int y) {
    std::optional<RingIndex> cell;
    if (hotspot_ < 0) cell = CellAt(x, y);
    const PaneCursor cursor =
        cell && Has(model_.Rings().At(*cell), cellattr::kLink) ? PaneCursor::Hand : PaneCursor::Arrow;
    if (cursor_ == cursor) return;
    cursor_ = cursor;
    view_.SetCursor(cursor);
}

void COutputWnd::MouseMove(int x, int y) {
    EnsureLayout();
    if (selection_.active) {
        ExtendSelection(x, y);
        return;
    }
    HotspotMove(x, y);
    UpdateCursor(x, y);
}

void COutputWnd::ButtonDown(int x, int y) {
    EnsureLayout();
    if (hotspot_ < 0 && !selection_.active) HotspotMove(x, y);
    if (hotspot_ >= 0) {
        hotspotPressed_ = insideHotspot_ = true;
        InvalidateHotspot(hotspot_);
        PlaySound(hotspot_, 1);
        return;
    }
    if (selection_.active) {
        InternalErrorReport(__FILE__, __LINE__);
        return;
    }
    const OutputRings& rings = model_.Rings();
    const int64_t line = LineAt(y);
    const std::optional<RingIndex> cell = rings.CharacterAt(line, x - layout_.text.left);
    if (cell && Has(rings.At(*cell), cellattr::kLink)) return;  // opens on release
    const std::optional<RingIndex> start = rings.SelectionStartAt(line, x - layout_.text.left);
    if (!start) return;
    selection_ = {true, *start, *start};
    view_.CaptureMouse();
    InvalidateAll();
}

void COutputWnd::ExtendSelection(int x, int y) {
    const std::optional<RingIndex> end = model_.Rings().CharacterAtOrLeftOf(LineAt(y), x - layout_.text.left);
    if (!end || *end == selection_.to) return;
    selection_.to = *end;
    InvalidateAll();
}

void COutputWnd::FinishSelection() {
    const PaneSelection selection = selection_;
    selection_ = {};
    view_.ReleaseMouse();
    InvalidateAll();
    const OutputRings& rings = model_.Rings();
    if (!rings.IsStored(selection.from) || !rings.IsStored(selection.to)) return;  // dropped meanwhile
    const bool inOrder = rings.OrderOf(selection.from) <= rings.OrderOf(selection.to);
    const std::string text = inOrder ? rings.SelectionText(selection.from, selection.to)
                                     : rings.SelectionText(selection.to, selection.from);
    UserInterface& ui = owner_.UI();
    switch (ui.SetClipboardText(text)) {
        case ClipboardResult::Done: break;
        case ClipboardResult::CannotOpen: Warn(ui, kBoxTitle, "Cannot open the Clipboard"); break;
        case ClipboardResult::CannotSet: Warn(ui, kBoxTitle, "Cannot set the Clipboard data"); break;
    }
}

void COutputWnd::OpenLink(RingIndex cell) {
    std::string link = model_.Rings().LinkAt(cell);
    if (link.empty()) return;
    // xdg-open would take a bare "www.host" for a file name.
    if (link.starts_with("www.")) link.insert(0, "http://");
    auto failed = [ui = &owner_.UI()] { Warn(*ui, "URL Error", kUrlFailed); };
    if (!Shell::Open(link, failed)) failed();
}

void COutputWnd::ButtonUp(int x, int y) {
    EnsureLayout();
    if (hotspotPressed_) {
        const int number = hotspot_;
        hotspotPressed_ = false;
        if (!Contains(owner_.Scheme().HotspotRect(number, width_, height_), x, y)) {
            SetHotspot(-1);
            return;
        }
        ActionContext context = owner_.HotspotContext();
        if (!context.ui) context.ui = &owner_.UI();
        owner_.Scheme().RunHotspotAction(number, context);
        if (hotspot_ != number) return;  // the action changed the scheme
        PlaySound(number, 2);
        insideHotspot_ = true;
        InvalidateHotspot(number);
        return;
    }
    if (selection_.active) {
        FinishSelection();
        return;
    }
    const std::optional<RingIndex> cell = CellAt(x, y);
    if (cell && Has(model_.Rings().At(*cell), cellattr::kLink)) OpenLink(*cell);
}

void COutputWnd::RightButtonUp(int x, int y) {
    EnsureLayout();
    const std::optional<RingIndex> cell = CellAt(x, y);
    if (cell && owner_.IsChannelWindow() && Has(model_.Rings().At(*cell), cellattr::kNickname)) {
        const std::string nickname = model_.Rings().NicknameAt(*cell);
        if (!nickname.empty()) {
            owner_.OnNicknameMenu(nickname, x, y);
            return;
        }
    }
    owner_.OnContextMenu(x, y);
}

}  // namespace parlevox
