#pragma once
// The user page of the nick information dialog: when shown, it asks the
// nick's copy of the client for its "Your Info" texts (a CTCP BVUSERINFO)
// and waits for them on the client link, watching for the server's "no
// such nick" meanwhile. The block that arrives fills the six fields.
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "irc/ClientLinkInbox.h"
#include "irc/EventHandlerWindow.h"

namespace parlevox {

class NickInfoUserinfoView {
public:
    virtual ~NickInfoUserinfoView() = default;
    // The state or the fields changed.
    virtual void UserinfoChanged() = 0;
};

struct NickInfoServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    ClientLinkInbox& inbox;
};

class CNickInfoUserinfo final : public EventHandlerWindow, public YourInfoReceiver {
public:
    enum class State { kNotAsked, kAsking, kArrived, kAbsent };
    static constexpr int kFields = 6;

    CNickInfoUserinfo(const NickInfoServices& services, std::string nick);
    ~CNickInfoUserinfo() override;

    void SetView(NickInfoUserinfoView* view) { view_ = view; }
    // The page came into view: ask again.
    void Shown();
    // The dialog closes: whatever comes now is not for this page.
    void Close();

    const std::string& Nick() const { return nick_; }
    State GetState() const { return state_; }
    const YourInfoBlock& Info() const { return info_; }
    // Label and value of each field, in the order the page shows them.
    std::array<std::pair<const char*, std::string>, kFields> Fields() const;
    // The line above the fields; empty once they have arrived.
    std::string StateLine() const;

    void YourInfoArrived(const YourInfoBlock& info) override;

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void Changed();

    NickInfoServices services_;
    std::string nick_;
    NickInfoUserinfoView* view_ = nullptr;
    State state_ = State::kNotAsked;
    YourInfoBlock info_;
    uint32_t absentId_ = 0;
    bool closed_ = false;
};

}  // namespace parlevox
