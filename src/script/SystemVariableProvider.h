#pragma once
// Where the "on read" system variables (sSysServer, iSysConnected,
// sSysTime, ...) get their values each time a script reads them.
#include <ctime>
#include <string>

namespace parlevox {

class SystemVariableProvider {
public:
    virtual ~SystemVariableProvider() = default;

    virtual std::string ServerName() const = 0;
    virtual std::string Nick() const = 0;
    virtual std::string UserName() const = 0;
    virtual std::string HostName() const = 0;
    virtual bool Connected() const = 0;
    virtual bool ServicesUp() const = 0;
    virtual std::string LocalAddress() const = 0;
    // Seconds since the epoch; iSysTime, sSysTime and sSysDate read it.
    virtual std::time_t Now() const = 0;
};

struct ConnectionState;

// The client's own answers: the connection state and the clock. Nothing
// knows yet whether the network services are up, so ServicesUp answers
// false; the notify list, which watches them, overrides it. The host name
// is that of our end of the server connection (its address until known).
class ConnectionStateProvider : public SystemVariableProvider {
public:
    // The state must outlive the provider.
    explicit ConnectionStateProvider(const ConnectionState& state) : state_(state) {}

    std::string ServerName() const override;
    std::string Nick() const override;
    std::string UserName() const override;
    std::string HostName() const override;
    bool Connected() const override;
    bool ServicesUp() const override;
    std::string LocalAddress() const override;
    std::time_t Now() const override;

private:
    const ConnectionState& state_;
};

}  // namespace parlevox
