#pragma once
// Answers Keyboard::IsPauseDown from the X server's key map, on a display
// connection of its own (Qt's is not ours to query). Only under the "xcb"
// platform: on Wayland or offscreen there is no key map to read, and the
// Pause key reads as up.
struct _XDisplay;

namespace parlevox {

class X11Keyboard {
public:
    X11Keyboard();
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // Whether the key map can be read here.
    bool Available() const { return display_ != nullptr; }
    bool IsPauseDown() const;

    // Makes this the source of Keyboard::IsPauseDown until it goes.
    void Install();

private:
    _XDisplay* display_ = nullptr;
    unsigned char pauseKeycode_ = 0;
    bool installed_ = false;
};

}  // namespace parlevox
