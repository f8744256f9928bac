#pragma once
// The socket to the IRC server: frames what arrives into lines and posts
// each to the network window, so that parsing never runs inside the read
// notification. Keeps what the kernel would not take yet and sends it when
// there is room, so no outgoing line is lost to a full buffer.
#include <string>

#include "irc/LineFramer.h"
#include "platform/AsyncSocket.h"
#include "platform/WindowMessage.h"

namespace parlevox {

class IRCClientSocketListener {
public:
    virtual ~IRCClientSocketListener() = default;
    virtual void OnServerConnect(int error) = 0;
    virtual void OnServerClose(int error) = 0;
    virtual void OnOverlongLine() = 0;
};

class CIRCClientSocket final : public AsyncSocket, private LineFramer::Sink {
public:
    CIRCClientSocket(EventLoop& loop, WindowHandle networkWindow, IRCClientSocketListener& listener);

    // Whether a connection was ever started on this socket.
    bool Used() const { return used_; }
    void MarkUsed() { used_ = true; }

    // What a server that stops reading may leave waiting here: past it the
    // connection is given up rather than the client growing without end.
    static constexpr size_t kMaxPendingOutput = 4 * 1024 * 1024;

    enum class SendResult { Sent, Failed, QueueFull };
    // Sends all of it, now or as room appears. Failed (with LastError()) on
    // a real failure; QueueFull when kMaxPendingOutput would be passed, in
    // which case nothing of it is queued.
    SendResult SendAll(std::string_view bytes);
    size_t PendingOutput() const { return pending_.size(); }

private:
    void OnConnect(int error) override;
    void OnReceive(int error) override;
    void OnSend(int error) override;
    void OnClose(int error) override;

    void OnLine(std::string_view line) override;
    void OnOverlongLine() override;
    bool Flush();

    WindowHandle networkWindow_;
    IRCClientSocketListener& listener_;
    LineFramer framer_;
    std::string pending_;
    bool inReceive_ = false;
    bool used_ = false;
};

}  // namespace parlevox
