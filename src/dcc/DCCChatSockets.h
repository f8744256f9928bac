#pragma once
// The connections of a direct chat window: the listener of an offer, and
// the line connection itself (made by connecting, or accepted by the
// listener). Each reports to its window until the window retires it;
// a retired socket is closed, says nothing more and is destroyed later.
#include <cstdint>
#include <string>
#include <string_view>

#include "dcc/DccLineBuffer.h"
#include "dcc/DccTransferSettings.h"
#include "platform/AsyncSocket.h"

namespace parlevox {

class CDCCChatWnd;

class DccChatSocketBase : public AsyncSocket {
public:
    DccChatSocketBase(EventLoop& loop, CDCCChatWnd& window) : AsyncSocket(loop), window_(&window) {}

    // Closes without telling the window anything again.
    void Retire();
    bool Retired() const { return window_ == nullptr; }
    // Sends the line and a line feed; false when the line cannot go (not
    // connected, or the connection failed on it).
    virtual bool SendLine(std::string_view /*line*/) { return false; }

protected:
    // Null once retired.
    CDCCChatWnd* Window() const { return window_; }

private:
    CDCCChatWnd* window_;
};

class CDCCChatListenSocket final : public DccChatSocketBase {
public:
    using DccChatSocketBase::DccChatSocketBase;

    // Listens on the settings' address and the first free port of their
    // range. The port, or 0 with the failure text.
    uint16_t Start(const DccTransferSettings& settings, std::string& error);

protected:
    void OnAccept(int error) override;
};

class CDCCChatSocket final : public DccChatSocketBase {
public:
    // What may wait to be sent before the peer counts as gone.
    static constexpr size_t kMaxQueued = 1u << 20;

    using DccChatSocketBase::DccChatSocketBase;

    bool SendLine(std::string_view line) override;
    size_t Queued() const { return queue_.size() - sent_; }

protected:
    void OnConnect(int error) override;
    void OnReceive(int error) override;
    void OnSend(int error) override;
    void OnClose(int error) override;

private:
    // Sends what is queued until the socket takes no more.
    bool Flush();
    void Fail(const char* text);

    DccLineBuffer received_;
    std::string queue_;
    size_t sent_ = 0;
};

}  // namespace parlevox
