#pragma once
// The main frame's client-link duties: "/brimconnect nick" (a DCC chat
// request sent straight to the nick's copy of the client) and the answer to
// a BVUSERINFO request (our "Your info" texts, sent the same way). Both
// first look the nick up with a WHOIS, whose 311 reply carries the port the
// nick's listener advertises in the realname field. One lookup runs per
// nick and serves both duties; while it runs, the WHOIS replies about the
// nick are taken (314-316 pass on), and the end of the WHOIS ends it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "irc/ClientLinkBlock.h"
#include "irc/DataDumpSocket.h"
#include "irc/EventHandlerWindow.h"

namespace parlevox {

class C_imServerNumeric;
class ColourCodes;
class StatusOutput;
struct ConnectionState;

struct ClientLinkRequestServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    const ConnectionState& connection;
    const ColourCodes& colours;
    StatusOutput& status;
    // Opens a DCC chat window that listens for the nick; its port (0: the
    // window says why).
    std::function<uint16_t(const std::string& nick)> openChatListener;
    // Our address as peers reach it, as one number.
    std::function<uint32_t()> ownAddress;
    // The own "Your info" texts as they are now.
    std::function<YourInfoBlock()> yourInfo;
};

class CClientLinkRequests final : public EventHandlerWindow {
public:
    explicit CClientLinkRequests(const ClientLinkRequestServices& services);
    ~CClientLinkRequests() override;

    void RequestChat(const std::string& nick);
    void SendYourInfo(const std::string& nick);
    // Nicks being looked up.
    size_t Pending() const { return lookups_.size(); }
    size_t SendsUnderWay() const { return dumps_.UnderWay(); }

private:
    struct Lookup {
        std::string nick;
        uint32_t handlerId = 0;
        bool chat = false;
        bool yourInfo = false;
    };

    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    // The lookup of the nick, started (WHOIS sent) when there is none.
    Lookup* LookUp(const std::string& nick);
    void OnWhoisReply(const Lookup& lookup, const C_imServerNumeric& reply);
    void Send(const std::string& host, uint16_t port, const std::optional<std::string>& bytes);
    void EndLookup(uint32_t handlerId);
    void EndAll();

    ClientLinkRequestServices services_;
    std::vector<Lookup> lookups_;
    DataDumps dumps_;
};

}  // namespace parlevox
