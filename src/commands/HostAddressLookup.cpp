#include "commands/HostAddressLookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <thread>

#include "platform/EventLoop.h"

namespace parlevox {
namespace {

std::optional<uint32_t> AddressOf(const std::string& host) {
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
    uint32_t address = ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    freeaddrinfo(found);
    return address;
}

}  // namespace

std::shared_ptr<void> LookUpHostAddress(EventLoop& loop, const std::string& host,
                                        std::function<void(std::optional<uint32_t>)> done) {
    auto token = std::make_shared<int>(0);
    std::weak_ptr<int> weak = token;
    std::thread([mailbox = loop.Mailbox(), host, weak, done = std::move(done)]() mutable {
        std::optional<uint32_t> address = host.find('\0') == std::string::npos ? AddressOf(host) : std::nullopt;
        mailbox->Deliver([weak, address, done = std::move(done)] {
            if (weak.lock()) done(address);
        });
    }).detach();
    return token;
}

std::string DottedAddress(uint32_t address) {
    in_addr in {htonl(address)};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &in, text, sizeof text);
    return text;
}

std::optional<uint32_t> ParseDottedAddress(const std::string& text) {
    in_addr in {};
    if (inet_pton(AF_INET, text.c_str(), &in) != 1) return std::nullopt;
    return ntohl(in.s_addr);
}

}  // namespace parlevox
