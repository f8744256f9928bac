#pragma once
// A private message window: shows what its partner says and does, and
// what the user sends the partner; follows the partner's nick changes.
#include <array>
#include <string>

#include "display/ChatWindow.h"

namespace parlevox {

class CMessageWnd final : public CChatWindow {
public:
    CMessageWnd(const ChatWindowServices& services, std::string nick, ChatWindowView& view);

    const std::string& Partner() const { return Name(); }
    bool IsChannelWindow() const override { return false; }

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    std::string CommandNick() const override { return Name(); }

private:
    // The registrations that follow the partner's nick.
    void SubscribePartner();
    // True when the event got a line.
    bool ShowPrivateEvent(CIRCMessage& message, const AddressRecord& sender);
    // The user's own event, made when a typed line was sent, to the partner.
    bool IsOwnToPartner(const CIRCMessage& message) const;

    std::array<uint32_t, 6> partnerHandlers_ {};
    uint32_t ownHandler_ = 0;
};

}  // namespace parlevox
