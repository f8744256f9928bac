#pragma once
// What the client link delivers to beyond a single connection's listener:
// the page that waits for a "Your Info" block and when it asked, and the
// clock the link reads (tests give their own). The network window keeps it
// for the whole run.
#include <cstdint>
#include <functional>
#include <optional>

#include "irc/ClientLinkBlock.h"

namespace parlevox {

// The nick information dialog's user page.
class YourInfoReceiver {
public:
    virtual ~YourInfoReceiver() = default;
    virtual void YourInfoArrived(const YourInfoBlock& info) = 0;
};

class ClientLinkInbox {
public:
    // An unexpected block this soon after a request is let go quietly.
    static constexpr uint64_t kLateAnswerMs = 60000;

    enum class Delivery { kDelivered, kDropped, kRefuse };

    ClientLinkInbox();

    void SetClock(std::function<uint64_t()> tickMs) { tickMs_ = std::move(tickMs); }
    uint64_t Now() const { return tickMs_(); }

    // The receiver has just asked: it waits from now on, instead of any other.
    void Wait(YourInfoReceiver& receiver);
    void StopWaiting(const YourInfoReceiver& receiver);
    const YourInfoReceiver* Waiting() const { return waiting_; }

    // Hands a received block to the waiting page. With none it was not
    // asked for: dropped while a request is recent, else the sender is to
    // be refused; either way the request is forgotten.
    Delivery Deliver(const YourInfoBlock& info);

private:
    std::function<uint64_t()> tickMs_;
    YourInfoReceiver* waiting_ = nullptr;
    std::optional<uint64_t> lastRequest_;
};

}  // namespace parlevox
