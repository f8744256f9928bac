#pragma once
// Sets or clears environment variables for one test and puts the old
// values back afterwards.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace parlevox::test {

class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) Apply(it->first, it->second);
    }

    // A null value removes the variable.
    void Set(const std::string& name, const char* value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        Apply(name, value ? std::optional<std::string>(value) : std::nullopt);
    }

private:
    static void Apply(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Runs a test in a time zone and puts the process's zone back afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone = "UTC") { Use(zone); }
    ~ScopedTimeZone() {
        env_.reset();
        tzset();
    }
    void Use(const char* zone) {
        env_->Set("TZ", zone);
        tzset();
    }

private:
    std::optional<ScopedEnvironment> env_{std::in_place};
};

}  // namespace parlevox::test
