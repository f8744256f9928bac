#pragma once
// The sockets of a file transfer. Each belongs to its progress window and
// reports there. One that completes or fails closes, lets go of its file,
// and hands itself back to the window, which destroys it a little later:
// no socket goes inside its own notification, and a closing one ignores
// every notification still on its way.
#include <cstdint>
#include <memory>

#include "dcc/DccTransferSettings.h"
#include "platform/AsyncSocket.h"

namespace parlevox {

class CDCCWnd;

class DccTransferSocket : public AsyncSocket {
public:
    DccTransferSocket(EventLoop& loop, CDCCWnd& window);

    bool IsClosing() const { return closing_; }
    // The window goes, or takes another socket: closed, its file let go,
    // and no window to report to any more.
    void Detach();
    // The bound port while it waits for a connection; 0 otherwise.
    virtual uint16_t WaitingPort() const { return 0; }
    // A listener took a connection into this socket, which the window now owns.
    virtual void Accepted() {}

protected:
    // Null once the socket is closing.
    CDCCWnd* Window() const { return window_; }
    // Completed or failed: closes and goes back to the window.
    void Finish();
    // Lets go of what the socket holds besides the connection (the file,
    // the plug-in); called once, when it closes.
    virtual void Release() {}

private:
    CDCCWnd* window_;
    bool closing_ = false;
};

// Waits for the one connection of an offer (or of a passive receive) and
// hands it, in the socket made for it, to the window, which then drops the
// listener.
class CDCCListenSocket final : public DccTransferSocket {
public:
    static constexpr int kBacklog = 5;

    CDCCListenSocket(EventLoop& loop, CDCCWnd& window, std::unique_ptr<DccTransferSocket> connection);
    ~CDCCListenSocket() override;

    // Binds to the settings' address and first free port of their range,
    // and listens. Null, or the text of the failure.
    const char* Start(const DccTransferSettings& settings);
    uint16_t WaitingPort() const override { return IsClosing() ? 0 : port_; }

protected:
    void OnAccept(int error) override;
    void Release() override;

private:
    std::unique_ptr<DccTransferSocket> connection_;
    uint16_t port_ = 0;
};

}  // namespace parlevox
