#include "support/LoopbackServer.h"

#include <algorithm>

#include "platform/EventLoop.h"

namespace parlevox::test {

class LoopbackServer::Listener final : public AsyncSocket {
public:
    Listener(EventLoop& loop, LoopbackServer& owner) : AsyncSocket(loop), owner_(owner) {}
    void OnAccept(int) override { owner_.Accepted(); }

private:
    LoopbackServer& owner_;
};

class LoopbackServer::Connection final : public AsyncSocket {
public:
    Connection(EventLoop& loop, LoopbackServer& owner) : AsyncSocket(loop), owner_(owner) {}
    void OnReceive(int) override {
        char buffer[4096];
        int got = Receive(buffer, sizeof buffer);
        if (got > 0) owner_.OnBytes(buffer, got);
    }
    void OnClose(int) override { Close(); }

private:
    LoopbackServer& owner_;
};

LoopbackServer::LoopbackServer(EventLoop& loop) : loop_(loop), listener_(std::make_unique<Listener>(loop, *this)) {
    listener_->Create(0, AsyncSocket::kAccept, "127.0.0.1");
    listener_->Listen();
    std::string address;
    listener_->GetSockName(address, port_);
}

LoopbackServer::~LoopbackServer() = default;

void LoopbackServer::Accepted() {
    auto connection = std::make_unique<Connection>(loop_, *this);
    if (!listener_->Accept(*connection)) return;
    connection->AsyncSelect(AsyncSocket::kRead | AsyncSocket::kClose);
    if (connection_) loop_.DeleteLater(std::move(connection_));
    connection_ = std::move(connection);
    ++accepted_;
}

void LoopbackServer::OnBytes(const char* data, int length) {
    received_.append(data, static_cast<size_t>(length));
    partial_.append(data, static_cast<size_t>(length));
    size_t newline;
    while ((newline = partial_.find('\n')) != std::string::npos) {
        std::string line = partial_.substr(0, newline);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
        partial_.erase(0, newline + 1);
    }
}

bool LoopbackServer::HasClient() const {
    return connection_ && connection_->IsOpen();
}

bool LoopbackServer::HasLine(const std::string& line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

void LoopbackServer::Send(const std::string& bytes) {
    if (HasClient()) connection_->Send(bytes.data(), static_cast<int>(bytes.size()));
}

void LoopbackServer::StopReading() {
    if (connection_) connection_->AsyncSelect(AsyncSocket::kClose);
}

void LoopbackServer::Disconnect() {
    if (connection_) connection_->Close();
}

}  // namespace parlevox::test
