#pragma once
// The front end's side of the DCC windows. The core window exists before
// its view and tells it when to read the window again; a view's close
// button calls the window's RequestClose, and only the DCC control
// destroys windows (later, never inside a notification).
#include <memory>

namespace parlevox {

class CDCCWnd;
class CDCCQueryWnd;
class CDCCPlugInWnd;

// The largest picture a plug-in's window may show.
struct DccScreenArea {
    int width = 4096;
    int height = 4096;
};

class DccProgressView {
public:
    virtual ~DccProgressView() = default;
    // The title, lines or progress of the window changed.
    virtual void Updated(const CDCCWnd& window) = 0;
};

class DccQueryView {
public:
    virtual ~DccQueryView() = default;
    // The button's label or state changed.
    virtual void Updated(const CDCCQueryWnd& window) = 0;
};

class DccPlugInView {
public:
    virtual ~DccPlugInView() = default;
    // The title, the progress or the button strip changed.
    virtual void Updated(const CDCCPlugInWnd& window) = 0;
    // The plug-in drew into the picture: show it again, without erasing.
    virtual void PictureChanged(const CDCCPlugInWnd& window) = 0;
};

class DccViews {
public:
    virtual ~DccViews() = default;
    virtual std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd& window) = 0;
    virtual std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd& window) = 0;
    // A plug-in's window; without a view it is drawn into unseen.
    virtual std::unique_ptr<DccPlugInView> MakePlugInView(CDCCPlugInWnd&) { return nullptr; }
    // The full-screen client area, which a plug-in's picture may not exceed.
    virtual DccScreenArea ScreenArea() const { return {}; }
};

}  // namespace parlevox
