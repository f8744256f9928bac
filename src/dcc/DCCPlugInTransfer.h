#pragma once
// One received file as a DCC plug-in sees it: the handle its "Start" got,
// the running transfer while bytes arrive, and the window the plug-in may
// open for it. It lives while the transfer runs or the window is open;
// callbacks for it do nothing once it has gone.
#include <cstdint>
#include <memory>
#include <string>

#include "dcc/DCCPlugIn.h"
#include "dcc/DCCPlugInWnd.h"

namespace parlevox {

class CDCCPlugInTransfer {
public:
    CDCCPlugInTransfer(CDCCPlugIn& plugIn, int32_t handle, DccSinkSource& source, std::string nick,
                       std::string path, uint64_t size);
    ~CDCCPlugInTransfer();

    int32_t Handle() const { return handle_; }
    const std::string& Nick() const { return nick_; }
    const std::string& Path() const { return path_; }
    // Bytes arrive (the sink ended neither by End nor by Close).
    bool Running() const { return source_ != nullptr; }
    // Closed by a button, a callback or the window's close box.
    bool Closed() const { return closed_; }
    CDCCPlugInWnd* Window() const { return window_.get(); }

    // From the transfer.
    void Data(const uint8_t* bytes, size_t length);
    void End(bool complete);

    // Callback 4: 0 when refused (a window is open already, the transfer
    // is over or closing, or the size breaks the rules).
    PvWindow OpenWindow(int32_t width, int32_t height, PvBitmap* bitmap, bool progress, bool buttons);
    void Redraw();
    // A close was asked for: nothing more opens or reaches the plug-in
    // until it happens.
    void MarkClosing() { closing_ = true; }
    // The window goes and the running transfer closes (the plug-in's
    // Finish 2 follows at once).
    void Close();

private:
    void AttachWindow();

    CDCCPlugIn& plugIn_;
    int32_t handle_;
    DccSinkSource* source_;
    std::string nick_;
    std::string path_;
    uint64_t size_;
    uint64_t received_ = 0;
    bool finishing_ = false;
    bool closing_ = false;
    bool closed_ = false;
    std::unique_ptr<CDCCPlugInWnd> window_;
};

}  // namespace parlevox
