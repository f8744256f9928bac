#pragma once
// The client link's listener: other copies of the client connect to the
// port the USER line advertises and deliver one block each. A burst of
// connections from one address (a second within three seconds of the last
// accepted one) and any malformed block refuse that address for the rest
// of the connection. A chat request becomes a DCC chat event for the
// dispatcher; "Your Info" goes to the page that waits for it.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/AsyncSocket.h"

namespace parlevox {

class CIRCMessage;
class CInterClientListener;
class ClientLinkInbox;
class ColourCodes;
class StatusOutput;

// What the listener reaches; every reference outlives it.
struct InterClientServices {
    StatusOutput& status;
    const ColourCodes& colours;
    ClientLinkInbox& inbox;  // also the clock
    // Hands an event to the dispatcher (later, not inside the socket's notification).
    std::function<void(std::unique_ptr<CIRCMessage>)> dispatch;
};

// One incoming connection: the two length bytes (which may come apart),
// then exactly that many bytes; the listener handles the block and drops it.
class CInterClientSocket final : public AsyncSocket {
public:
    CInterClientSocket(EventLoop& loop, CInterClientListener& listener) : AsyncSocket(loop), listener_(&listener) {}

    void Adopted(uint32_t peer, uint64_t now) {
        peer_ = peer;
        since_ = now;
    }
    uint32_t Peer() const { return peer_; }
    uint64_t Since() const { return since_; }
    // Closed, and says nothing more to the listener.
    void Retire();

protected:
    void OnReceive(int error) override;
    void OnClose(int error) override;

private:
    // False once the socket has gone back to the listener.
    bool ReadLength();
    bool ReadBlock();

    CInterClientListener* listener_;
    uint32_t peer_ = 0;
    uint64_t since_ = 0;
    unsigned char lengthBytes_[2] = {};
    size_t lengthRead_ = 0;
    std::string block_;
    size_t blockRead_ = 0;
};

class CInterClientListener final : public AsyncSocket {
public:
    static constexpr int kBacklog = 5;
    static constexpr uint64_t kBurstMs = 3000;
    // A flood of slow senders must not hold descriptors without end.
    static constexpr size_t kMaxOpen = 32;
    static constexpr uint64_t kStaleMs = 30000;

    CInterClientListener(EventLoop& loop, const InterClientServices& services);
    ~CInterClientListener() override;

    // Listens on the address and any free port. False when that failed.
    bool Start(const std::string& localAddress);
    uint16_t Port() const { return port_; }
    // Closes the listener and every connection; nothing is reported after.
    void Shut();

    bool IsRefused(uint32_t address) const { return refused_.contains(address); }
    size_t OpenConnections() const { return connections_.size(); }

    // From the connections.
    void BlockReceived(CInterClientSocket& from, std::string_view block);
    void BadLength(CInterClientSocket& from);
    void Finished(CInterClientSocket& connection);

protected:
    void OnAccept(int error) override;

private:
    void Refuse(uint32_t address);
    void DropStale(uint64_t now);

    InterClientServices services_;
    std::vector<std::unique_ptr<CInterClientSocket>> connections_;
    std::unordered_set<uint32_t> recent_;
    std::unordered_set<uint32_t> refused_;
    std::optional<uint64_t> lastAccept_;
    uint16_t port_ = 0;
};

}  // namespace parlevox
