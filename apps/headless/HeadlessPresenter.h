#pragma once
// Turns each event into the line a window would show, for the headless
// client: the channel name or nickname of the window, or "~Status".
#include <string>

#include "irc/EventDispatcher.h"

namespace parlevox {

class ConsoleOutput;

class HeadlessPresenter final : public EventListener {
public:
    static constexpr const char* kStatusWindow = "~Status";

    explicit HeadlessPresenter(ConsoleOutput& output) : output_(output) {}
    void OnEvent(CIRCMessage& message) override;

private:
    void Show(const std::string& window, const std::string& text);

    ConsoleOutput& output_;
};

}  // namespace parlevox
