#pragma once
// Gathers the quits of a net split into one line. A quit whose reason names
// two servers starts collecting (announcing the server pair unless it was
// the last one announced); further split quits join it; 3 s after the last
// one the collected nicknames are shown in one "Split:" line, and 60 s after
// that the announced pair is forgotten so a later split between the same
// servers is announced again. Times are given by the caller.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "irc/ColourCodes.h"

namespace parlevox {

class NetSplitCollector {
public:
    static constexpr uint64_t kCollectMs = 3000;
    static constexpr uint64_t kForgetPairMs = 60000;

    explicit NetSplitCollector(const ColourCodes& colours) : colours_(colours) {}

    // Exactly two words separated by one space, with the same number of
    // dots, at least two, in each: two server names.
    static bool IsSplitReason(std::string_view reason);

    // A quit from the channel. Nothing when it is not part of a split (the
    // caller shows a quit line); otherwise the lines to show now.
    std::optional<std::vector<std::string>> Quit(std::string_view nick, std::string_view reason, uint64_t nowMs);
    // The lines due by now: the "Split:" line once collecting ends.
    std::vector<std::string> Tick(uint64_t nowMs);
    // When Tick has work next; nothing when no timer is needed.
    std::optional<uint64_t> NextDueMs() const;

    bool Collecting() const { return collecting_; }

private:
    const ColourCodes& colours_;
    bool collecting_ = false;
    std::string nicks_;
    std::string announcedPair_;
    uint64_t collectUntil_ = 0;
    std::optional<uint64_t> forgetPairAt_;
};

}  // namespace parlevox
