#pragma once
// Keys the core polls rather than receives: the Pause key, which stops a
// running script. The front end installs what answers; with nothing
// installed (the headless client, tests) the key is never down.
#include <functional>

namespace parlevox {

class Keyboard {
public:
    using PauseSource = std::function<bool()>;

    static bool IsPauseDown();
    // An empty source answers false again.
    static void SetPauseSource(PauseSource source);
};

}  // namespace parlevox
