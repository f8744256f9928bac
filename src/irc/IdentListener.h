#pragma once
// The ident responder (RFC 1413): while connected, a server may ask which
// user owns our connection to it. The listener lives for one IRC connection
// on its local address; each query is served by a socket of its own.
#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/AsyncSocket.h"

namespace parlevox {

struct ConnectionState;
class CIdentListener;

// The two port numbers of a query line (without its line end): 1-65535
// each, separated by a comma, blanks allowed around either.
struct IdentQuery {
    uint16_t serverPort = 0;
    uint16_t clientPort = 0;
};
std::optional<IdentQuery> ParseIdentQuery(std::string_view line);

// The answer to a query, with the connection's user name.
std::string IdentAnswer(const IdentQuery& query, std::string_view userName);

class CIdentSocket final : public AsyncSocket {
public:
    static constexpr size_t kBufferSize = 63;
    // A query this long is no query: the connection closes unanswered.
    static constexpr size_t kGiveUpAt = 31;

    CIdentSocket(EventLoop& loop, CIdentListener& owner);

protected:
    void OnReceive(int error) override;
    void OnClose(int error) override;

private:
    void Finish();

    CIdentListener* owner_;
    std::array<char, kBufferSize> buffer_ {};
    size_t count_ = 0;
};

class CIdentListener final : public AsyncSocket {
public:
    // Queries served at once; a new one pushes out the oldest, so a peer
    // that opens connections and sends nothing cannot shut the server out.
    static constexpr size_t kMaxQueries = 8;

    CIdentListener(EventLoop& loop, const ConnectionState& connection);
    ~CIdentListener() override;

    // Listens on the address and port. False when the port cannot be bound
    // (in use, or a privileged port): the client then runs without one.
    bool Start(const std::string& localAddress, uint16_t port);

    const std::string& UserName() const;
    size_t OpenQueries() const { return queries_.size(); }
    // A query socket is done: it is closed and destroyed after the
    // notification that ended it.
    void Retire(CIdentSocket* query);

protected:
    void OnAccept(int error) override;

private:
    const ConnectionState& connection_;
    std::list<std::unique_ptr<CIdentSocket>> queries_;  // oldest first
};

}  // namespace parlevox
