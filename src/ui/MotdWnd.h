#pragma once
// The message-of-the-day window: opened by the main frame at the first line
// of a server's message of the day, it collects the lines until the end.
#include "display/ChatWindow.h"

namespace parlevox {

class CMotdWnd final : public CChatWindow {
public:
    static constexpr const char* kName = "~MOTD";

    CMotdWnd(const ChatWindowServices& services, ChatWindowView& view);

    bool IsChannelWindow() const override { return false; }
    // A built-in window: "CMOTDWindow" in the usage lists.
    SchemeWindow SchemeTarget() const override;

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
};

}  // namespace parlevox
