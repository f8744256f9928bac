#include "irc/ClientLinkInbox.h"

#include "platform/Clock.h"

namespace parlevox {

ClientLinkInbox::ClientLinkInbox() : tickMs_(&Clock::TickCount) {}

void ClientLinkInbox::Wait(YourInfoReceiver& receiver) {
    waiting_ = &receiver;
    lastRequest_ = Now();
}

void ClientLinkInbox::StopWaiting(const YourInfoReceiver& receiver) {
    if (waiting_ == &receiver) waiting_ = nullptr;
}

ClientLinkInbox::Delivery ClientLinkInbox::Deliver(const YourInfoBlock& info) {
    if (waiting_) {
        waiting_->YourInfoArrived(info);
        return Delivery::kDelivered;
    }
    const bool recent = lastRequest_ && Now() - *lastRequest_ <= kLateAnswerMs;
    lastRequest_.reset();
    return recent ? Delivery::kDropped : Delivery::kRefuse;
}

}  // namespace parlevox
