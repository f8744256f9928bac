#include "support/PlainIrcClient.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "support/NgircdServer.h"

namespace parlevox::test {

PlainIrcClient::PlainIrcClient(int port) : fd_(ConnectLoopback(port)) {}

PlainIrcClient::~PlainIrcClient() {
    if (fd_ >= 0) close(fd_);
}

void PlainIrcClient::Send(const std::string& line) {
    std::string bytes = line + "\r\n";
    if (fd_ >= 0) send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

bool PlainIrcClient::WaitFor(const std::string& text, int timeoutMs) {
    using namespace std::chrono;
    auto deadline = steady_clock::now() + milliseconds(timeoutMs);
    while (fd_ >= 0) {
        size_t newline;
        while ((newline = partial_.find('\n')) != std::string::npos) {
            std::string line = partial_.substr(0, newline + 1);
            partial_.erase(0, newline + 1);
            received_ += line;
            if (line.rfind("PING", 0) == 0) Send("PONG" + line.substr(4, line.find_last_not_of("\r\n") - 3));
            if (line.find(text) != std::string::npos) return true;
        }
        auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) return false;
        char buffer[4096];
        ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
        if (got <= 0) return false;
        partial_.append(buffer, static_cast<size_t>(got));
    }
    return false;
}

}  // namespace parlevox::test
