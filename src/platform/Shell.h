#pragma once
// The desktop's "open" action for web addresses and files: xdg-open,
// started without a shell. Tests put a fake opener in its place.
#include <functional>
#include <string>
#include <vector>

namespace parlevox {

class EventLoop;

class Shell {
public:
    using Opener = std::function<bool(const std::string& target)>;
    using Failed = std::function<void()>;

    // False when the opener could not be started. A target that begins
    // with "-" is refused, so that it cannot pass for an option. xdg-open
    // only says whether it worked when it exits: if it fails, `failed` runs
    // later on the loop's thread (never when no loop is set).
    static bool Open(const std::string& target, Failed failed = {});

    // Replaces the opener; an empty one restores xdg-open.
    static void SetOpener(Opener opener);

    // The loop that watches xdg-open until it exits; null: nobody watches
    // (the child is still reaped). The loop must outlive this setting.
    static void SetLoop(EventLoop* loop);

    // Starts a program (looked up in PATH unless the name holds a "/") with
    // the arguments as they are, no shell between. False when it could not
    // be started. It is reaped when it exits, without waiting for it.
    static bool Start(const std::string& program, const std::vector<std::string>& arguments);

    // The real opener: spawns xdg-open (looked up in PATH) and watches for
    // its exit without blocking, so the caller never waits for the browser.
    static bool SpawnXdgOpen(const std::string& target, Failed failed = {});
};

}  // namespace parlevox
