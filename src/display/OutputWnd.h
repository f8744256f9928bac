#pragma once
// The output pane of every text window: stores formatted lines, lays them
// out in the text area of the owner's scheme, paints them over the scheme's
// background into its own image, and handles the mouse: hot spots, text
// selection copied to the clipboard, link clicks and nickname menus.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "display/OutputPainter.h"
#include "display/OutputPaneModel.h"
#include "display/OutputPaneOwner.h"

namespace parlevox {

class AudioOutput;
class CSoundSystem;

class COutputWnd {
public:
    // Without audio output and sound system the hot spots stay silent.
    COutputWnd(OutputPaneOwner& owner, OutputPaneView& view, AudioOutput* audio = nullptr,
               CSoundSystem* sounds = nullptr, OutputSuppression& suppression = OutputSuppression::ClientWide());

    // The client size; a new size lays out and re-wraps the text.
    void Resize(int width, int height);
    // The owner's scheme is another one (or was edited).
    void SchemeChanged();

    // Window text with its control bytes.
    void AddLine(std::string_view text);
    void AddLine(COutputBuffer line);
    void Clear();
    size_t GetAllText(char* buffer, size_t size) const { return model_.Rings().GetAllText(buffer, size); }

    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    void Top();
    void Bottom();
    void GoTo(int64_t position);

    // The whole client painted; the view copies what it needs.
    const CRawBitmap& Paint();

    // Client coordinates.
    void MouseMove(int x, int y);
    void ButtonDown(int x, int y);
    void ButtonUp(int x, int y);
    void RightButtonUp(int x, int y);

    OutputPaneModel& Model() { return model_; }
    const OutputPaneModel& Model() const { return model_; }
    const PaneLayout& Layout();

private:
    // OutputWnd.cpp
    void EnsureLayout();
    void Changed();  // scroll bar and a full repaint
    void InvalidateAll();
    template <typename Move>
    void Scroll(Move move);

    // OutputMouse.cpp
    std::optional<RingIndex> CellAt(int x, int y);
    int64_t LineAt(int y);
    void HotspotMove(int x, int y);
    void SetHotspot(int number);
    void InvalidateHotspot(int number);
    void PlaySound(int number, int event);
    void ExtendSelection(int x, int y);
    void FinishSelection();
    void OpenLink(RingIndex cell);
    void UpdateCursor(int x, int y);
    HotspotState ShownHotspot() const;

    OutputPaneOwner& owner_;
    OutputPaneView& view_;
    AudioOutput* audio_;
    CSoundSystem* sounds_;
    OutputPaneModel model_;
    OutputPainter painter_;

    int width_ = 0, height_ = 0;
    bool laidOut_ = false;
    PaneLayout layout_;
    std::shared_ptr<const SchemeFontGlyphs> glyphs_;

    // Mouse state.
    int hotspot_ = -1;             // under the mouse, captured
    bool hotspotPressed_ = false;  // the button went down on it
    bool insideHotspot_ = false;
    PaneSelection selection_;
    std::optional<PaneCursor> cursor_;
};

}  // namespace parlevox
