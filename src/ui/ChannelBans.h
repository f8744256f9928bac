#pragma once
// The bans page of the channel information dialog: the channel's ban list
// from the server (367 entries ended by 368), and bans set, removed or all
// cleared with "/mode" lines through the command processor. What the page
// sets or removes shows as not verified until the list is asked again.
#include <cstdint>
#include <string>
#include <vector>

#include "irc/EventHandlerWindow.h"
#include "ui/ChannelInfoContext.h"

namespace parlevox {

class CChannelBans final : public EventHandlerWindow {
public:
    static constexpr int kBanEntry = 367;
    static constexpr int kEndOfBans = 368;
    static constexpr size_t kMasksPerMode = 3;

    explicit CChannelBans(ChannelInfoContext& dialog);

    // The page came into view: list again.
    void Activate();
    void Close();

    // "mask\tsetter" or "mask\t(addition not verified)" and the like.
    const std::vector<std::string>& Entries() const { return entries_; }
    int Selected() const { return selected_; }
    void Select(int index) { selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1; }
    bool Listing() const { return listing_; }
    std::string StateLine() const;
    // Channel operators' business; AOPs and up are opped by ChanServ.
    bool MayChange() const;
    bool CanAdd() const { return !listing_ && !closed_ && MayChange(); }
    bool CanDelete() const { return CanAdd() && selected_ >= 0; }
    bool CanClear() const { return CanAdd() && !entries_.empty(); }

    void Add();
    void Delete();
    void ClearAll();

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void Run(const std::string& line) const;

    ChannelInfoContext& dialog_;
    std::vector<std::string> entries_;
    int selected_ = -1;
    bool listing_ = false;
    bool closed_ = false;
};

}  // namespace parlevox
