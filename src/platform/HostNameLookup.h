#pragma once
// The host name of an IPv4 address, looked up on a helper thread so that
// the loop never waits for a slow name server.
#include <functional>
#include <memory>
#include <string>

namespace parlevox {

class EventLoop;

// Hands `done`, on the loop's thread, the address's host name, or the
// address itself when it has none. Dropping the returned token cancels the
// answer (it is then never delivered).
[[nodiscard]] std::shared_ptr<void> LookUpHostName(EventLoop& loop, const std::string& address,
                                                   std::function<void(const std::string& name)> done);

}  // namespace parlevox
