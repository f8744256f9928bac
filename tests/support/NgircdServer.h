#pragma once
// A real IRC server for integration tests: ngircd on a free loopback port,
// its configuration in a temporary folder, stopped by its PID.
#include <string>

#include "support/TempDir.h"

namespace parlevox::test {

class NgircdServer {
public:
    // pingTimeoutSeconds: how long ngircd waits before it PINGs an idle client.
    explicit NgircdServer(int pingTimeoutSeconds = 120);
    ~NgircdServer();
    NgircdServer(const NgircdServer&) = delete;
    NgircdServer& operator=(const NgircdServer&) = delete;

    bool Started() const { return pid_ > 0; }
    int Port() const { return port_; }
    const std::string& Name() const { return name_; }
    const std::string& Log() const { return log_; }

private:
    TempDir dir_;
    int port_ = 0;
    int pid_ = -1;
    std::string name_ = "irc.parlevox.test";
    std::string log_;
};

// A free TCP port on 127.0.0.1 (bound once and released).
int FreeLoopbackPort();
// A blocking connection to 127.0.0.1:port, or -1.
int ConnectLoopback(int port, int timeoutMs = 2000);
// True if a connection to the port succeeds now.
bool PortAccepts(int port);

}  // namespace parlevox::test
