#include "platform/HostNameLookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <thread>

#include "platform/EventLoop.h"

namespace parlevox {
namespace {

std::string HostNameOf(const std::string& address) {
    sockaddr_in socketAddress {};
    socketAddress.sin_family = AF_INET;
    if (inet_pton(AF_INET, address.c_str(), &socketAddress.sin_addr) != 1) return address;
    char name[NI_MAXHOST];
    if (getnameinfo(reinterpret_cast<sockaddr*>(&socketAddress), sizeof socketAddress, name, sizeof name, nullptr, 0,
                    NI_NAMEREQD) != 0)
        return address;
    return name;
}

}  // namespace

std::shared_ptr<void> LookUpHostName(EventLoop& loop, const std::string& address,
                                     std::function<void(const std::string& name)> done) {
    auto token = std::make_shared<int>(0);
    std::weak_ptr<int> weak = token;
    std::thread([mailbox = loop.Mailbox(), address, weak, done = std::move(done)]() mutable {
        std::string name = HostNameOf(address);
        mailbox->Deliver([weak, name = std::move(name), done = std::move(done)] {
            if (weak.lock()) done(name);
        });
    }).detach();
    return token;
}

}  // namespace parlevox
