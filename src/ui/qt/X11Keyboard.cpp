#include "ui/qt/X11Keyboard.h"

#include <QGuiApplication>

#include "platform/Keyboard.h"

// Xlib's macros (None, Bool, Status...) collide with Qt's names, so it comes last.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace parlevox {

X11Keyboard::X11Keyboard() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    display_ = XOpenDisplay(nullptr);
    if (!display_) return;
    pauseKeycode_ = static_cast<unsigned char>(XKeysymToKeycode(display_, XK_Pause));
    if (pauseKeycode_ == 0) {
        // The keyboard has no Pause key: nothing to ask the server.
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

X11Keyboard::~X11Keyboard() {
    if (installed_) Keyboard::SetPauseSource({});
    if (display_) XCloseDisplay(display_);
}

bool X11Keyboard::IsPauseDown() const {
    if (!display_) return false;
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    return (keys[pauseKeycode_ / 8] & (1 << (pauseKeycode_ % 8))) != 0;
}

void X11Keyboard::Install() {
    Keyboard::SetPauseSource([this] { return IsPauseDown(); });
    installed_ = true;
}

}  // namespace parlevox
