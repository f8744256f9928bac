#pragma once
// Turns each event into the line a window would show, for the headless
// client: the channel name or nickname of the window, or "~Status". It takes
// every event at the fallback priority, as the main frame does, and tells its
// owner about connections made and lost.
#include <functional>
#include <string>

#include "irc/EventHandlerWindow.h"

namespace parlevox {

class ConsoleOutput;

class HeadlessPresenter final : public EventHandlerWindow {
public:
    static constexpr const char* kStatusWindow = "~Status";
    using ConnectionChange = std::function<void(bool connected)>;

    HeadlessPresenter(EventLoop& loop, WindowHandle networkWindow, ConsoleOutput& output, ConnectionChange onChange);

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void Show(const std::string& window, const std::string& text);

    ConsoleOutput& output_;
    ConnectionChange onChange_;
};

}  // namespace parlevox
