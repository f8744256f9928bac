#pragma once
// The IPv4 address of a host name (or of a dotted address), looked up on a
// helper thread so that the loop never waits for a slow name server.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace parlevox {

class EventLoop;

// Hands `done`, on the loop's thread, the address in host byte order, or
// nothing when the name has none. Dropping the returned token cancels the
// answer.
[[nodiscard]] std::shared_ptr<void> LookUpHostAddress(EventLoop& loop, const std::string& host,
                                                      std::function<void(std::optional<uint32_t>)> done);

// "a.b.c.d" of an address in host byte order.
std::string DottedAddress(uint32_t address);
// A dotted IPv4 address, in host byte order; nothing for anything else.
std::optional<uint32_t> ParseDottedAddress(const std::string& text);

}  // namespace parlevox
