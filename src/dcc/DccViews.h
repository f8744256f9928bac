#pragma once
// The front end's side of the DCC windows. The core window exists before
// its view and tells it when to read the window again; a view's close
// button calls the window's RequestClose, and only the DCC control
// destroys windows (later, never inside a notification).
#include <memory>

namespace parlevox {

class CDCCWnd;
class CDCCQueryWnd;

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

class DccViews {
public:
    virtual ~DccViews() = default;
    virtual std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd& window) = 0;
    virtual std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd& window) = 0;
};

}  // namespace parlevox
