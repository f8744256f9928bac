#pragma once
// The "File transfer offer" window: who offers which file, with one button
// whose label follows the resume negotiation ("Accept (new file)",
// "Trying resume", "Resume", "Overwrite") and "Decline".
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "dcc/DccViews.h"
#include "irc/AddressRecord.h"
#include "irc/EventHandlerWindow.h"

namespace parlevox {

// An incoming file offer after its checks.
struct DccOffer {
    AddressRecord sender;
    std::string fileName;  // cut to its last part and checked
    uint64_t size = 0;
    uint32_t ip = 0;
    uint16_t port = 0;   // 0: passive (the sender waits for us to listen)
    std::string token;   // a passive offer's token
};

class CDCCQueryWnd final : public EventHandlerWindow {
public:
    static constexpr const char* kBoxTitle = "File transfer offer";

    // existingSize: what a receive of the name would continue. Between 0
    // and the offered size the window asks the sender to resume.
    CDCCQueryWnd(EventLoop& loop, WindowHandle networkWindow, DccOffer offer, uint64_t existingSize);
    ~CDCCQueryWnd() override;

    std::string Title() const;  // file name + " - " + nick
    const DccOffer& Offer() const { return offer_; }
    const std::string& ButtonLabel() const { return label_; }
    bool ButtonEnabled() const { return enabled_; }
    uint64_t Position() const { return position_; }

    void SetView(std::unique_ptr<DccQueryView> view);

    // The two buttons. Accept starts the receive at the remembered
    // position through onAccept; both then ask to close.
    void Accept();
    void Decline();
    void RequestClose();
    std::function<void(const DccOffer& offer, uint64_t position)> onAccept;
    std::function<void()> onCloseRequested;

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;

private:
    void StartResume();
    void Answered(const std::string& label, uint64_t position);
    void Update();

    DccOffer offer_;
    std::string label_;
    bool enabled_ = true;
    uint64_t position_ = 0;
    bool waiting_ = false;
    std::unique_ptr<DccQueryView> view_;
};

}  // namespace parlevox
