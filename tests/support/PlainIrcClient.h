#pragma once
// A plain blocking IRC client for integration tests.
#include <string>

namespace parlevox::test {

class PlainIrcClient {
public:
    explicit PlainIrcClient(int port);
    ~PlainIrcClient();
    bool Connected() const { return fd_ >= 0; }
    void Send(const std::string& line);  // adds "\r\n"
    // Reads (answering PINGs) until a received line contains the text.
    bool WaitFor(const std::string& text, int timeoutMs);
    const std::string& Received() const { return received_; }

private:
    int fd_ = -1;
    std::string received_;
    std::string partial_;
};

}  // namespace parlevox::test
