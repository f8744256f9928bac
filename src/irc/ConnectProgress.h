#pragma once
// What the network window tells the connect dialog while a connection is
// being made.
#include <optional>
#include <string>

namespace parlevox {

class ConnectProgress {
public:
    virtual ~ConnectProgress() = default;
    virtual void AddStatus(const std::string& text) = 0;
    // The attempt failed with this text: try the next server slot.
    virtual void NextServer(const std::string& failureText) = 0;
    // The server password to send before the logon, when the dialog's
    // "server needs a password" option is set and the person gave one.
    virtual std::optional<std::string> ServerPassword() = 0;
};

}  // namespace parlevox
