#include "irc/NetworkControl.h"

#include "irc/NetworkMessages.h"
#include "platform/EventLoop.h"

namespace parlevox {

CNetworkControl::CNetworkControl(EventLoop& loop, StatusOutput& status, const std::string& logFolder,
                                 const NetworkSettings& settings)
    : loop_(loop), notifyList_(std::make_unique<CIRCNotifyList>(loop)) {
    if (settings.logging) {
        trafficLog_ = std::make_unique<TrafficLog>();
        if (!trafficLog_->Open(logFolder)) trafficLog_.reset();
    }
    window_ = std::make_unique<CNetworkWnd>(loop, state_, status, *notifyList_, trafficLog_.get());
    window_->SetSettings(settings);
}

CNetworkControl::~CNetworkControl() = default;

void CNetworkControl::SendLine(const std::string& line) {
    SendToServer(loop_, window_->Handle(), line);
}

void SendToServer(EventLoop& loop, WindowHandle networkWindow, const std::string& line) {
    loop.SendMessage(networkWindow, WindowMessage(netmsg::kSendLine, line));
}

}  // namespace parlevox
