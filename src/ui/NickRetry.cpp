#include "ui/NickRetry.h"

#include "common/TextHelpers.h"

namespace parlevox {

std::optional<std::string> NickRetry::Next(const std::string& taken) {
    // The other settings once each and three underscore forms: a server
    // that refuses them all would otherwise be asked for ever longer nicks.
    if (tried_ >= kSettings - 1 + kMostUnderscores) return std::nullopt;
    auto next = Candidate(taken);
    if (next) ++tried_;
    return next;
}

// A nick that is not a setting gets "_"; the third setting goes back to
// the first with "_"; the others go on to the next setting that is filled.
std::optional<std::string> NickRetry::Candidate(const std::string& taken) const {
    int index = -1;
    for (int i = 0; i < kSettings; ++i)
        if (!nicks_[static_cast<size_t>(i)].empty() && EqualsIgnoringCase(nicks_[static_cast<size_t>(i)], taken))
            index = i;
    if (index < 0) return taken.empty() ? std::nullopt : std::optional<std::string>(taken + "_");
    for (int i = index + 1; i < kSettings; ++i)
        if (!nicks_[static_cast<size_t>(i)].empty()) return nicks_[static_cast<size_t>(i)];
    return nicks_[0].empty() ? taken + "_" : nicks_[0] + "_";
}

}  // namespace parlevox
