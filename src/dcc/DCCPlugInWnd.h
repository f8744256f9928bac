#pragma once
// A DCC plug-in's window for one transfer: the picture the plug-in draws
// into (4 bytes a pixel: blue, green, red, unused), with the strip of the
// delete, ignore and close buttons above it and a progress bar below, each
// when the plug-in asked for it. The window keeps what the view shows and
// does the strip's work (hit tests, pressed and mouse-over art, sounds);
// mouse events in the picture go to the plug-in.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dcc/DccViews.h"
#include "display/RawBitmap.h"

namespace parlevox {

class CSoundSystem;

class CDCCPlugInWnd {
public:
    static constexpr int kStripHeight = 19;
    static constexpr size_t kMaxPictureBytes = 1048576;
    static constexpr const char* kUnattachedTitle = "Should be nick and filename";

    enum Button { kNoButton = -1, kDelete = 0, kIgnore = 1, kClose = 2 };
    enum class Mouse { LeftDown, LeftUp, RightDown, RightUp, Move };

    // Null when the picture is empty, would take more than 1,048,576
    // bytes, or is larger than the screen area.
    static std::unique_ptr<CDCCPlugInWnd> Make(int width, int height, bool progress, bool buttons,
                                               DccScreenArea screen, CSoundSystem* sounds);
    ~CDCCPlugInWnd();

    // A number for the plug-in, never 0 and never used twice.
    intptr_t Id() const { return id_; }
    int PictureWidth() const { return width_; }
    int PictureHeight() const { return height_; }
    int BytesPerRow() const { return width_ * 4; }
    uint8_t* Pixels() { return picture_.data(); }
    const uint8_t* Pixels() const { return picture_.data(); }
    bool HasProgress() const { return progress_; }
    bool HasButtons() const { return buttons_; }
    // The picture's top in the client area: below the strip when there is one.
    int PictureTop() const { return buttons_ ? kStripHeight : 0; }
    // The strip's width (at least the three buttons') and the picture's.
    int ClientWidth() const;
    // The strip as it looks now (none without buttons).
    const CRawBitmap& Strip() const { return strip_; }
    int PressedButton() const { return pressed_; }
    int HoverButton() const { return hover_; }

    const std::string& Title() const { return title_; }
    bool Attached() const { return attached_; }
    // The transfer: the title becomes the file name + " - " + nick.
    void Attach(const std::string& nick, const std::string& path, uint64_t size);
    void SetProgress(uint64_t received);
    // The bar: 0 to size / 1024, at received / 1024.
    int ProgressMaximum() const;
    int ProgressValue() const;

    // The plug-in drew: the picture shows again.
    void Redraw();
    void SetView(std::unique_ptr<DccPlugInView> view);

    // What the view reports, in client coordinates (the strip at the top).
    void MouseEvent(Mouse kind, int x, int y);
    // The pointer left the window.
    void MouseLeft();
    // The view's close box.
    void RequestClose();

    // A mouse event in the picture, as the plug-in's Event takes it.
    std::function<void(int event, int x, int y)> onPictureMouse;
    // A button was released where it was pressed.
    std::function<void(Button button)> onButton;
    std::function<void()> onCloseRequested;

private:
    CDCCPlugInWnd(int width, int height, bool progress, bool buttons, CSoundSystem* sounds);
    void StripMouse(Mouse kind, int x, int y);
    void SetHover(int button);
    void DrawStrip();
    void Play(const char* event) const;
    void Update();

    intptr_t id_;
    int width_;
    int height_;
    bool progress_;
    bool buttons_;
    CSoundSystem* sounds_;
    std::vector<uint8_t> picture_;
    CRawBitmap strip_;
    int pressed_ = kNoButton;
    int hover_ = kNoButton;
    std::string title_ = kUnattachedTitle;
    bool attached_ = false;
    uint64_t size_ = 0;
    uint64_t received_ = 0;
    std::unique_ptr<DccPlugInView> view_;
};

}  // namespace parlevox
