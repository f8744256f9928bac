#pragma once
// The notify list: the nicks whose coming and going the user wants to see,
// behind the fixed entry "NickServ" (never stored or shown). One ISON
// request every poll carries as many entries as fit a 511-character line;
// its reply says who is on IRC, whether the network's services are up (then
// the registered nicks are identified), and how long the server took to
// answer: the lag the switch bar shows. A request that is not answered
// within two minutes resets the connection.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowMessage.h"

namespace parlevox {

class CIRCMessage;
class ColourCodes;
class EventLoop;
class StatusOutput;
struct ConnectionState;

// One of the user's registered nicks ("Nicknames"/"Name1".."Name3" with
// "Password1".."Password3"), in slot order.
struct RegisteredNick {
    std::string nick;
    std::string password;
};
using RegisteredNicks = std::array<RegisteredNick, 3>;

struct NotifyWatchServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    ConnectionState& connection;
    const ColourCodes& colours;
    StatusOutput& status;
};

class CNotifyWatch {
public:
    static constexpr uint32_t kPollIntervalMs = 30000;
    static constexpr uint64_t kResetAfterMs = 120000;
    static constexpr size_t kMaxRequestLength = 511;
    static constexpr int kLateSeconds = 10;
    using TickSource = std::function<uint64_t()>;

    // `nicks`: the user's entries as stored; empty and repeated ones are dropped.
    CNotifyWatch(const NotifyWatchServices& services, const std::vector<std::string>& nicks);

    // Milliseconds for the lag; none: Clock::TickCount.
    void SetTickSource(TickSource ticks);
    void SetRegisteredNicks(const RegisteredNicks& nicks) { registered_ = nicks; }

    // The user's entries in order, "NickServ" not included.
    std::vector<std::string> Nicks() const;
    // The entries changed since loading (or the last ClearChanged).
    bool Changed() const { return changed_; }
    void ClearChanged() { changed_ = false; }

    // The "notify" command; each returns the line for the invoking window.
    std::string Add(const std::string& nick);
    std::string Remove(const std::string& nick);

    // Every kPollIntervalMs.
    void Poll();
    // The poll's request waits for its reply.
    bool Outstanding() const { return outstanding_; }
    // The text of an ISON reply (numeric 303); ignored unless Outstanding().
    void Reply(std::string_view text);

    void ConnectionBegan();
    void ConnectionEnded();

    // The age of the outstanding request when it is older than the last
    // lag, else the last lag.
    uint64_t CurrentLagMs() const;
    // Whole seconds for the switch bar; none while not connected or before
    // the connection's first request.
    std::optional<int> ShownLagSeconds() const;
    static bool IsLate(int seconds) { return seconds >= kLateSeconds; }

    bool ServicesUp() const { return servicesUp_; }
    // The user's entries that are online, in list order.
    std::vector<std::string> OnlineNicks() const;

    // A nick of the list came online (true) or went.
    std::function<void(const std::string& nick, bool online)> onOnlineChanged;
    // Everybody is offline: the connection is gone.
    std::function<void()> onAllOffline;
    // Somebody joined or left IRC (the "Notify list" sound event).
    std::function<void()> onPeopleCameOrWent;
    // A reply measured the lag anew.
    std::function<void()> onLagMeasured;

private:
    struct Entry {
        std::string nick;
        bool online = false;
    };

    uint64_t Now() const;
    // Of the request last sent.
    uint64_t Age() const;
    Entry* Find(std::string_view nick);
    std::string CommandLine(const char* format, const std::string& nick, int leadingSlot) const;
    void SetOnline(Entry& entry, bool online);
    void AllOffline();
    void ResetConnection();
    void SendRequest();
    void WatchServices(bool online);
    void Identify();
    void Dispatch(std::unique_ptr<CIRCMessage> message);
    void Send(const std::string& line);

    NotifyWatchServices services_;
    TickSource ticks_;
    RegisteredNicks registered_;
    std::vector<Entry> entries_;  // entries_[0] is "NickServ"
    bool changed_ = false;
    bool outstanding_ = false;
    bool sentThisConnection_ = false;
    size_t carried_ = 0;  // entries the request carried, NickServ included
    size_t listed_ = 0;   // entries when it was sent
    uint64_t sentAt_ = 0;
    uint64_t lag_ = 0;
    bool servicesUp_ = false;
};

}  // namespace parlevox
