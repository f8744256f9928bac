#include "display/NetSplitCollector.h"

#include <algorithm>

#include <fmt/printf.h>

#include "display/ChatTexts.h"

namespace parlevox {

bool NetSplitCollector::IsSplitReason(std::string_view reason) {
    const size_t space = reason.find(' ');
    if (space == std::string_view::npos || reason.find(' ', space + 1) != std::string_view::npos) return false;
    const auto dots = [](std::string_view word) { return std::count(word.begin(), word.end(), '.'); };
    const auto first = dots(reason.substr(0, space));
    return first >= 2 && first == dots(reason.substr(space + 1));
}

std::optional<std::vector<std::string>> NetSplitCollector::Quit(std::string_view nick, std::string_view reason,
                                                                uint64_t nowMs) {
    if (!IsSplitReason(reason)) return std::nullopt;
    std::vector<std::string> lines;
    if (collecting_) {
        nicks_ += ' ';
        nicks_ += nick;
    } else {
        if (reason != announcedPair_) {
            lines.push_back(fmt::sprintf(texts::kSplitBetween, colours_.Code(colour::kNetSplit)));
            announcedPair_ = reason;
            forgetPairAt_.reset();
        }
        collecting_ = true;
        nicks_ = nick;
    }
    collectUntil_ = nowMs + kCollectMs;
    return lines;
}

std::vector<std::string> NetSplitCollector::Tick(uint64_t nowMs) {
    std::vector<std::string> lines;
    if (forgetPairAt_ && nowMs >= *forgetPairAt_) {
        announcedPair_.clear();
        forgetPairAt_.reset();
    }
    if (collecting_ && nowMs >= collectUntil_) {
        lines.push_back(fmt::sprintf(texts::kSplitNicks, colours_.Code(colour::kNetSplit), nicks_));
        collecting_ = false;
        nicks_.clear();
        forgetPairAt_ = nowMs + kForgetPairMs;
    }
    return lines;
}

std::optional<uint64_t> NetSplitCollector::NextDueMs() const {
    if (collecting_) return collectUntil_;
    return forgetPairAt_;
}

}  // namespace parlevox
