#pragma once
// A non-blocking IPv4 TCP socket that reports through notifications, in the
// style the network code is written against: OnConnect(error), OnReceive,
// OnSend, OnAccept, OnClose(error). Errors are Winsock codes (SocketErrors.h).
// Host names resolve on a helper thread whose answer is posted back, so the
// loop never blocks. A notification must not delete its socket: mark it
// closing and hand it to EventLoop::DeleteLater.
#include <cstdint>
#include <memory>
#include <string>

namespace parlevox {

class EventLoop;

class AsyncSocket {
public:
    enum Event : long { kRead = 1, kWrite = 2, kAccept = 8, kConnect = 16, kClose = 32 };
    static constexpr long kAllEvents = kRead | kWrite | kAccept | kConnect | kClose;
    static constexpr int kSocketError = -1;

    explicit AsyncSocket(EventLoop& loop);
    virtual ~AsyncSocket();
    AsyncSocket(const AsyncSocket&) = delete;
    AsyncSocket& operator=(const AsyncSocket&) = delete;

    // Makes the socket and binds it to the local port (0: any) and address
    // (empty: any). False with LastError() on failure.
    bool Create(uint16_t localPort = 0, long events = kAllEvents, const std::string& localAddress = {});
    // Starts a connect. True when it completed at once; false with
    // LastError() == wsa::kWouldBlock while pending (OnConnect follows), or
    // another code when it failed at once.
    bool Connect(const std::string& host, uint16_t port);
    bool Listen(int backlog = 5);
    // Takes a waiting connection into an uncreated socket.
    bool Accept(AsyncSocket& connection);

    // Bytes sent, or kSocketError with LastError().
    int Send(const void* data, int length);
    // Bytes read, 0 when the peer closed, kSocketError with LastError()
    // (wsa::kWouldBlock when nothing is waiting).
    int Receive(void* buffer, int length);

    // Close without waiting for unsent data (a graceful close still follows).
    bool SetNoLinger();
    bool GetSockName(std::string& address, uint16_t& port) const;
    bool GetPeerName(std::string& address, uint16_t& port) const;
    // Changes which notifications arrive.
    void AsyncSelect(long events);
    // Closes without any notification.
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    int LastError() const { return lastError_; }
    int Descriptor() const { return fd_; }

protected:
    virtual void OnConnect(int error);
    virtual void OnReceive(int error);
    virtual void OnSend(int error);
    virtual void OnAccept(int error);
    virtual void OnClose(int error);

    EventLoop& Loop() const { return loop_; }

private:
    // Where the connection stands; meaningful while the socket is open.
    enum class State {
        kIdle,           // created, resolving the host, or after a failed connect
        kConnecting,     // the kernel is finishing a non-blocking connect
        kListening,
        kConnected,
        kPeerClosed,     // connected; the peer's end of stream was read, OnClose not sent yet
        kCloseNotified,  // connected; OnClose was sent, the owner closes the socket
    };

    bool IsConnected() const {
        return state_ == State::kConnected || state_ == State::kPeerClosed || state_ == State::kCloseNotified;
    }
    bool PeerHasClosed() const { return state_ == State::kPeerClosed || state_ == State::kCloseNotified; }

    bool Adopt(int fd);
    bool ConnectResolved(uint32_t addressNetworkOrder, uint16_t port);
    void StartResolve(const std::string& host, uint16_t port);
    void FinishResolve(bool found, uint32_t addressNetworkOrder, uint16_t port);
    void OnReady(bool readable, bool writable, bool error);
    void FinishConnect();
    void NotifyClose(int error);
    void UpdateWatch();
    bool Fail(int errnoValue);

    EventLoop& loop_;
    int fd_ = -1;
    int watchId_ = 0;
    long events_ = 0;
    int lastError_ = 0;
    int receiveError_ = 0;  // a hard receive failure ends the connection
    State state_ = State::kIdle;
    // Whether the next "room to send" is reported through OnSend. Kept apart
    // from the state: it is a one-shot that re-arms after a send would block,
    // whatever the connection does meanwhile.
    bool sendArmed_ = false;
    std::shared_ptr<int> resolveToken_;  // answers for a replaced attempt are ignored
};

}  // namespace parlevox
