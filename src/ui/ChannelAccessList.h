#pragma once
// The AOP, SOP and AKICK pages of the channel information dialog: ChanServ's
// list of the channel's automatic operators, super operators or automatic
// kicks, with adding and deleting. A person is added to the AOP or SOP list
// only after NickServ has said their nickname is registered; AKICK entries
// are masks.
#include <cstdint>
#include <string>
#include <vector>

#include "irc/EventHandlerWindow.h"
#include "ui/ChannelInfoContext.h"

namespace parlevox {

class CChannelAccessList final : public EventHandlerWindow {
public:
    enum class Kind { kAop, kSop, kAkick };
    enum class State { kIdle, kListing, kCheckingNick, kWaiting };

    CChannelAccessList(ChannelInfoContext& dialog, Kind kind);

    Kind GetKind() const { return kind_; }
    // "AOP", "SOP", "AKICK": the ChanServ command.
    const char* Command() const;

    // The page came into view: list again.
    void Activate();
    void Close();

    // Entries are "nickname\tdescription" (AOP, SOP) or masks.
    const std::vector<std::string>& Entries() const { return entries_; }
    int Selected() const { return selected_; }
    void Select(int index) { selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1; }
    State GetState() const { return state_; }
    // The line the page shows while it waits; empty when it does not.
    std::string StateLine() const;
    // Whether the user's access level lets them change this list.
    bool MayChange() const;
    bool CanAdd() const { return state_ == State::kIdle && MayChange() && !closed_ && dialog_.ServicesUp(); }
    bool CanDelete() const { return CanAdd() && selected_ >= 0; }
    bool Waiting() const { return state_ != State::kIdle; }

    // Asks for a nickname or mask and adds it.
    void Add();
    // Deletes the selected entry.
    void Delete();

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void NickServAnswer(const std::string& text);
    bool ChanServAnswer(const std::string& text);
    void ListEntry(const std::string& text);
    void ListenTo(const AddressRecord& mask, uint32_t& id);
    void Finish();
    void SendAdd();

    ChannelInfoContext& dialog_;
    Kind kind_;
    std::vector<std::string> entries_;
    int selected_ = -1;
    State state_ = State::kIdle;
    std::string pending_;  // the nickname or mask being added or deleted
    bool adding_ = false;
    uint32_t chanServId_ = 0;
    uint32_t nickServId_ = 0;
    bool closed_ = false;
};

// The nickname or mask of a list entry: the text before its tab.
std::string EntryKey(const std::string& entry);

}  // namespace parlevox
