#pragma once
// The desktop's "open" action for web addresses and files: xdg-open,
// started without a shell. Tests put a fake opener in its place.
#include <functional>
#include <string>

namespace parlevox {

class Shell {
public:
    using Opener = std::function<bool(const std::string& target)>;

    // False when the opener could not be started. A target that begins
    // with "-" is refused, so that it cannot pass for an option.
    static bool Open(const std::string& target);

    // Replaces the opener; an empty one restores xdg-open.
    static void SetOpener(Opener opener);

    // The real opener: spawns xdg-open (looked up in PATH) and reaps it in
    // the background, so the caller never waits for the browser.
    static bool SpawnXdgOpen(const std::string& target);
};

}  // namespace parlevox
