#pragma once
// The join window's "all channels" listing: asks the server for its channel
// list and gathers the 322 replies that pass the page's filters, while the
// listing runs, ahead of every other handler, so a network's hundred
// thousand channels never reach the status window. The view takes the
// gathered channels in batches at its own pace.
#include <cstdint>
#include <string>
#include <vector>

#include "irc/EventHandlerWindow.h"

namespace parlevox {

struct ConnectionState;

struct ListedChannel {
    std::string name;
    std::string topic;
    int users = 0;
    bool operator==(const ListedChannel&) const = default;
};

struct ChannelListFilter {
    int minUsers = 0;
    int maxUsers = 9999;
    std::string text;         // empty: no text filter
    bool skipXRated = false;  // "Skip X-rated channels"
};

class CChannelListQuery final : public EventHandlerWindow {
public:
    CChannelListQuery(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& connection);
    ~CChannelListQuery() override;

    // Starts a listing; the channels of an earlier one are dropped.
    void Refresh(const ChannelListFilter& filter);
    // Leaving the page: stops listening, and asks a server that can for
    // the end of a listing still running.
    void Leave();

    bool Running() const { return running_; }
    // What arrived since the last call.
    std::vector<ListedChannel> TakeArrived();

    // Whether a 322 reply's channel passes the filter.
    static bool Passes(const ListedChannel& channel, const ChannelListFilter& filter);
    // "LIST >%i <%i *%s*" where the server's services know it, else "LIST".
    static std::string ListCommand(const ChannelListFilter& filter, double servicesVersion);

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void Stop();
    void Send(const std::string& line);

    const ConnectionState& connection_;
    ChannelListFilter filter_;
    bool running_ = false;
    std::vector<uint32_t> handlers_;
    std::vector<ListedChannel> arrived_;
};

}  // namespace parlevox
