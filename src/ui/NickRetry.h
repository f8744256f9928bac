#pragma once
// The nick to try when the server says a nick is taken while we register:
// through the three nick settings, then the first one with "_" added, up to
// three times, and then no more (the person chooses one).
#include <array>
#include <optional>
#include <string>

namespace parlevox {

class NickRetry {
public:
    static constexpr int kSettings = 3;
    static constexpr int kMostUnderscores = 3;

    explicit NickRetry(const std::array<std::string, kSettings>& nicks = {}) : nicks_(nicks) {}
    void SetNicks(const std::array<std::string, kSettings>& nicks) { nicks_ = nicks; }
    // A new registration starts.
    void Reset() { tried_ = 0; }

    // The next nick after `taken`, or nullopt when every choice was tried.
    std::optional<std::string> Next(const std::string& taken);

private:
    std::optional<std::string> Candidate(const std::string& taken) const;

    std::array<std::string, kSettings> nicks_;
    int tried_ = 0;
};

}  // namespace parlevox
