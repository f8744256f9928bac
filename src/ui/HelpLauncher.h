#pragma once
// The help key: opens the help contents in the desktop's browser. A key
// held down, or pressed twice by accident, sends requests close together;
// one within 250 ms of the request before it is ignored.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/UserInterface.h"

namespace parlevox {

class HelpLauncher {
public:
    static constexpr uint64_t kRepeatMs = 250;
    using Now = std::function<uint64_t()>;  // milliseconds

    // programFolder ends with "/". Without a clock, Clock::TickCount.
    HelpLauncher(std::string programFolder, UserInterface& ui, Now now = {});

    // True when the contents were handed to the opener. A failure to open
    // them says so in a box.
    bool OpenContents();
    std::string ContentsPath() const;

private:
    std::string programFolder_;
    UserInterface& ui_;
    Now now_;
    bool requestedBefore_ = false;
    uint64_t lastRequestMs_ = 0;
};

}  // namespace parlevox
