#pragma once
// A scripted peer on 127.0.0.1 that runs in the test's own event loop:
// accepts connections, records the lines it receives, and sends what the
// test tells it to.
#include <memory>
#include <string>
#include <vector>

#include "platform/AsyncSocket.h"

namespace parlevox::test {

class LoopbackServer {
public:
    explicit LoopbackServer(EventLoop& loop);
    ~LoopbackServer();

    uint16_t Port() const { return port_; }
    bool HasClient() const;
    int AcceptedCount() const { return accepted_; }

    // Lines received from the client, without terminators.
    const std::vector<std::string>& Lines() const { return lines_; }
    // Everything received, byte for byte.
    const std::string& Received() const { return received_; }
    bool HasLine(const std::string& line) const;

    void Send(const std::string& bytes);
    // Closes the client connection.
    void Disconnect();
    // Stops taking what the client sends, as a stalled server would.
    void StopReading();

private:
    class Listener;
    class Connection;
    friend class Listener;
    friend class Connection;

    void Accepted();
    void OnBytes(const char* data, int length);

    EventLoop& loop_;
    std::unique_ptr<Listener> listener_;
    std::unique_ptr<Connection> connection_;
    uint16_t port_ = 0;
    int accepted_ = 0;
    std::string received_;
    std::string partial_;
    std::vector<std::string> lines_;
};

}  // namespace parlevox::test
