#include "platform/AsyncSocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/EventLoop.h"
#include "platform/SocketErrors.h"

namespace parlevox {
namespace {

sockaddr_in MakeAddress(uint32_t addressNetworkOrder, uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = addressNetworkOrder;
    return address;
}

bool NameOf(int fd, bool peer, std::string& text, uint16_t& port) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    int result = peer ? getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length)
                      : getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    if (result != 0) return false;
    char buffer[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, buffer, sizeof buffer);
    text = buffer;
    port = ntohs(address.sin_port);
    return true;
}

}  // namespace

AsyncSocket::AsyncSocket(EventLoop& loop) : loop_(loop) {}

AsyncSocket::~AsyncSocket() {
    Close();
}

bool AsyncSocket::Fail(int errnoValue) {
    lastError_ = wsa::FromErrno(errnoValue);
    return false;
}

bool AsyncSocket::Create(uint16_t localPort, long events, const std::string& localAddress) {
    Close();
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return Fail(errno);
    uint32_t bindTo = htonl(INADDR_ANY);
    if (!localAddress.empty() && inet_pton(AF_INET, localAddress.c_str(), &bindTo) != 1) {
        close(fd);
        lastError_ = wsa::kAddressNotAvailable;
        return false;
    }
    if (localPort != 0) {
        int yes = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    }
    sockaddr_in address = MakeAddress(bindTo, localPort);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        int error = errno;
        close(fd);
        return Fail(error);
    }
    events_ = events;
    return Adopt(fd);
}

bool AsyncSocket::Adopt(int fd) {
    fd_ = fd;
    lastError_ = 0;
    state_ = State::kIdle;
    receiveError_ = 0;
    sendArmed_ = true;
    watchId_ = loop_.WatchFd(fd_, false, false,
                             [this](FdReadiness r) { OnReady(r.readable, r.writable, r.error); });
    UpdateWatch();
    return true;
}

void AsyncSocket::UpdateWatch() {
    if (fd_ < 0) return;
    bool read = (state_ == State::kListening || state_ == State::kConnected) && (events_ & (kRead | kAccept | kClose));
    bool write = state_ == State::kConnecting || (IsConnected() && sendArmed_ && (events_ & kWrite));
    loop_.UpdateFd(watchId_, read, write);
}

void AsyncSocket::AsyncSelect(long events) {
    events_ = events;
    sendArmed_ = true;
    UpdateWatch();
}

bool AsyncSocket::Connect(const std::string& host, uint16_t port) {
    if (fd_ < 0) {
        lastError_ = wsa::kNotSocket;
        return false;
    }
    in_addr numeric{};
    if (inet_pton(AF_INET, host.c_str(), &numeric) == 1) return ConnectResolved(numeric.s_addr, port);
    StartResolve(host, port);
    lastError_ = wsa::kWouldBlock;
    return false;
}

bool AsyncSocket::ConnectResolved(uint32_t addressNetworkOrder, uint16_t port) {
    sockaddr_in address = MakeAddress(addressNetworkOrder, port);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        state_ = State::kConnected;
        UpdateWatch();
        // The connect notification still follows, as it does for a pending one.
        auto token = resolveToken_ = std::make_shared<int>(0);
        loop_.SingleShot(0, [this, weak = std::weak_ptr<int>(token)] {
            if (weak.lock()) OnConnect(0);
        });
        return true;
    }
    if (errno != EINPROGRESS) return Fail(errno);
    state_ = State::kConnecting;
    lastError_ = wsa::kWouldBlock;
    UpdateWatch();
    return false;
}

void AsyncSocket::StartResolve(const std::string& host, uint16_t port) {
    auto token = resolveToken_ = std::make_shared<int>(0);
    std::weak_ptr<int> weak = token;
    std::thread([mailbox = loop_.Mailbox(), host, port, weak, this] {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* result = nullptr;
        bool found = getaddrinfo(host.c_str(), nullptr, &hints, &result) == 0 && result;
        uint32_t address = found ? reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr.s_addr : 0;
        if (result) freeaddrinfo(result);
        mailbox->Deliver([weak, found, address, port, this] {
            if (weak.lock()) FinishResolve(found, address, port);
        });
    }).detach();
}

void AsyncSocket::FinishResolve(bool found, uint32_t addressNetworkOrder, uint16_t port) {
    if (fd_ < 0) return;
    if (!found) {
        lastError_ = wsa::kHostNotFound;
        OnConnect(wsa::kHostNotFound);
        return;
    }
    if (!ConnectResolved(addressNetworkOrder, port) && lastError_ != wsa::kWouldBlock) OnConnect(lastError_);
}

bool AsyncSocket::Listen(int backlog) {
    if (fd_ < 0 || listen(fd_, backlog) != 0) return Fail(fd_ < 0 ? ENOTSOCK : errno);
    state_ = State::kListening;
    UpdateWatch();
    return true;
}

bool AsyncSocket::Accept(AsyncSocket& connection) {
    int fd = accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return Fail(errno);
    connection.Close();
    connection.events_ = events_ & ~kAccept;
    connection.Adopt(fd);
    connection.state_ = State::kConnected;
    connection.UpdateWatch();
    return true;
}

int AsyncSocket::Send(const void* data, int length) {
    if (fd_ < 0 || !IsConnected()) {
        lastError_ = wsa::kNotConnected;
        return kSocketError;
    }
    ssize_t sent = send(fd_, data, static_cast<size_t>(length), MSG_NOSIGNAL);
    if (sent < 0) {
        Fail(errno);
        if (lastError_ == wsa::kWouldBlock && !sendArmed_) {
            sendArmed_ = true;  // OnSend follows when there is room again
            UpdateWatch();
        }
        return kSocketError;
    }
    return static_cast<int>(sent);
}

int AsyncSocket::Receive(void* buffer, int length) {
    if (fd_ < 0) {
        lastError_ = wsa::kNotSocket;
        return kSocketError;
    }
    ssize_t received = recv(fd_, buffer, static_cast<size_t>(length), 0);
    if (received < 0) {
        Fail(errno);
        if (lastError_ != wsa::kWouldBlock) receiveError_ = lastError_;
        return kSocketError;
    }
    if (received == 0 && length > 0 && state_ == State::kConnected) state_ = State::kPeerClosed;
    return static_cast<int>(received);
}

bool AsyncSocket::SetNoLinger() {
    linger option{0, 0};
    if (fd_ < 0 || setsockopt(fd_, SOL_SOCKET, SO_LINGER, &option, sizeof option) != 0)
        return Fail(fd_ < 0 ? ENOTSOCK : errno);
    return true;
}

bool AsyncSocket::GetSockName(std::string& address, uint16_t& port) const {
    return fd_ >= 0 && NameOf(fd_, false, address, port);
}

bool AsyncSocket::GetPeerName(std::string& address, uint16_t& port) const {
    return fd_ >= 0 && NameOf(fd_, true, address, port);
}

void AsyncSocket::Close() {
    resolveToken_.reset();
    if (fd_ < 0) return;
    loop_.UnwatchFd(watchId_);
    close(fd_);
    fd_ = -1;
    watchId_ = 0;
    state_ = State::kIdle;
}

void AsyncSocket::FinishConnect() {
    int error = 0;
    socklen_t length = sizeof error;
    getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length);
    state_ = error == 0 ? State::kConnected : State::kIdle;
    UpdateWatch();
    int code = wsa::FromErrno(error);
    lastError_ = code;
    if (events_ & kConnect) OnConnect(code);
}

void AsyncSocket::NotifyClose(int error) {
    if (state_ == State::kCloseNotified) return;
    state_ = State::kCloseNotified;
    UpdateWatch();
    if (events_ & kClose) OnClose(error);
}

void AsyncSocket::OnReady(bool readable, bool writable, bool error) {
    // Every step re-checks fd_: a notification may close the socket.
    if (state_ == State::kConnecting) {
        if (writable || error) FinishConnect();
        return;
    }
    if (state_ == State::kListening) {
        if (readable && (events_ & kAccept)) OnAccept(0);
        return;
    }
    if (readable && !PeerHasClosed()) {
        if (events_ & kRead) OnReceive(0);
        if (fd_ >= 0 && PeerHasClosed()) NotifyClose(0);
        if (fd_ >= 0 && receiveError_ != 0) NotifyClose(receiveError_);
    } else if (error && fd_ >= 0) {
        int soError = 0;
        socklen_t length = sizeof soError;
        getsockopt(fd_, SOL_SOCKET, SO_ERROR, &soError, &length);
        NotifyClose(wsa::FromErrno(soError));
    }
    if (fd_ >= 0 && writable && sendArmed_) {
        sendArmed_ = false;  // once per "room again", as the notification style has it
        UpdateWatch();
        if (events_ & kWrite) OnSend(0);
    }
}

void AsyncSocket::OnConnect(int) {}
void AsyncSocket::OnReceive(int) {}
void AsyncSocket::OnSend(int) {}
void AsyncSocket::OnAccept(int) {}
void AsyncSocket::OnClose(int) {}

}  // namespace parlevox
