#pragma once
// A window a plug-in draws into: a picture of 4 bytes a pixel (blue, green,
// red, unused; rows top first) that the plug-in writes through the address
// it was given and the view shows when asked to redraw. A "real" window
// also tells the plug-in of mouse events in it. The host owns the model,
// the model owns its view; the view only paints, forwards the mouse and
// asks to close.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace parlevox {

class CPlugInPictureWnd;

class PlugInPictureView {
public:
    virtual ~PlugInPictureView() = default;
    // The picture changed: paint it again.
    virtual void Redraw() = 0;
    virtual void TitleChanged() = 0;
};

// The front end's side: a view for each picture window; null shows nothing.
class PlugInPictureViews {
public:
    virtual ~PlugInPictureViews() = default;
    virtual std::unique_ptr<PlugInPictureView> MakeView(CPlugInPictureWnd& window) = 0;
};

class CPlugInPictureWnd {
public:
    static constexpr size_t kMaxBytes = 1048576;
    static constexpr int kBytesPerPixel = 4;
    using MouseHandler = std::function<void(int32_t event, int32_t x, int32_t y)>;

    // Null when a side is not positive or the picture would exceed kMaxBytes.
    static std::unique_ptr<CPlugInPictureWnd> Make(intptr_t id, std::string title, int32_t width, int32_t height);

    intptr_t Id() const { return id_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t BytesPerRow() const { return width_ * kBytesPerPixel; }
    uint8_t* Pixels() { return pixels_.data(); }
    const uint8_t* Pixels() const { return pixels_.data(); }
    const std::string& Title() const { return title_; }

    void SetTitle(std::string title);
    void Redraw();
    void SetView(std::unique_ptr<PlugInPictureView> view) { view_ = std::move(view); }
    bool HasView() const { return view_ != nullptr; }
    // The view goes, the picture stays (the plug-in may still draw into it).
    std::unique_ptr<PlugInPictureView> TakeView() { return std::move(view_); }

    // A real window's mouse events; none for a graphics window.
    void SetMouseHandler(MouseHandler handler) { mouse_ = std::move(handler); }
    bool TakesMouse() const { return static_cast<bool>(mouse_); }
    // From the view: coordinates are moved into the picture, so a release
    // outside it after a drag still arrives.
    void Mouse(int32_t event, int32_t x, int32_t y);

    // The view's close button; the host decides what goes.
    std::function<void()> onCloseRequested;
    void RequestClose();
    // Nothing reaches the plug-in any more.
    void Detach();

private:
    CPlugInPictureWnd(intptr_t id, std::string title, int32_t width, int32_t height);

    intptr_t id_;
    std::string title_;
    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> pixels_;
    MouseHandler mouse_;
    std::unique_ptr<PlugInPictureView> view_;
};

}  // namespace parlevox
