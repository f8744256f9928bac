#pragma once
// What an output pane needs from the window that owns it, and from the
// toolkit view that shows it. The pane itself paints into its own image and
// takes mouse input as calls, so both sides can be stand-ins in tests.
#include <string>

#include "display/OutputScroll.h"
#include "display/RawBitmap.h"
#include "display/SchemeItems.h"

namespace parlevox {

class CScheme;
class UserInterface;

enum class PaneCursor { Arrow, Hand };

class OutputPaneOwner {
public:
    virtual ~OutputPaneOwner() = default;
    // The scheme the pane paints with; the owner calls SchemeChanged when
    // it assigns another one.
    virtual const CScheme& Scheme() const = 0;
    // The context command hot spots run in.
    virtual ActionContext HotspotContext() const = 0;
    // Where the pane's boxes go and what holds the clipboard.
    virtual UserInterface& UI() const = 0;
    // Only a channel window has a user menu for a clicked nickname.
    virtual bool IsChannelWindow() const = 0;
    virtual void OnNicknameMenu(const std::string& nickname, int x, int y) = 0;
    virtual void OnContextMenu(int x, int y) = 0;
};

class OutputPaneView {
public:
    virtual ~OutputPaneView() = default;
    // The area needs painting: the view asks COutputWnd::Paint and copies it.
    virtual void Invalidate(const PixelRect& area) = 0;
    virtual void SetCursor(PaneCursor cursor) = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual void ScrollBarChanged(const ScrollBarValues& values) = 0;
};

// A view that shows nothing: a pane drawn only into its own image.
class NullPaneView final : public OutputPaneView {
public:
    void Invalidate(const PixelRect&) override {}
    void SetCursor(PaneCursor) override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void ScrollBarChanged(const ScrollBarValues&) override {}
};

}  // namespace parlevox
