#pragma once
// A channel window: shows the channel's events, keeps the topic in the
// caption, gathers net-split quits into one line, rejoins after a
// reconnection, closes when the user parts or is kicked, and keeps the
// channel's log.
#include <string>

#include "display/ChannelLog.h"
#include "display/ChannelMembers.h"
#include "display/ChatWindow.h"
#include "display/NetSplitCollector.h"

namespace parlevox {

class C_imChannelKick;
class C_imQuit;
class C_imServerNumeric;

class CChanWnd final : public CChatWindow {
public:
    CChanWnd(const ChatWindowServices& services, std::string channel, ChannelMembers& members,
             ChatWindowView& view);
    ~CChanWnd() override;

    const std::string& Channel() const { return Name(); }
    const std::string& Topic() const { return topic_; }
    bool Logging() const { return log_.IsOpen(); }
    void StartLog();
    void StopLog();

    bool IsChannelWindow() const override { return true; }
    void OnTimer(uint32_t timerId) override;

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void LineShown(std::string_view text) override;

private:
    static constexpr uint32_t kSplitTimer = 1;

    void Subscribe();
    // True when the event got a line.
    bool ShowChannelEvent(CIRCMessage& message);
    void OnKick(C_imChannelKick& kick);
    void OnQuit(C_imQuit& quit);
    void OnNumeric(C_imServerNumeric& reply);
    void SetTopic(std::string topic);
    void ScheduleSplitTimer();

    ChannelMembers& members_;
    NetSplitCollector splits_;
    ChannelLog log_;
    std::string topic_;
};

}  // namespace parlevox
