#include "irc/IRCClientSocket.h"

#include "common/InternalErrorReport.h"
#include "irc/NetworkMessages.h"
#include "platform/EventLoop.h"
#include "platform/SocketErrors.h"

namespace parlevox {

CIRCClientSocket::CIRCClientSocket(EventLoop& loop, WindowHandle networkWindow, IRCClientSocketListener& listener)
    : AsyncSocket(loop), networkWindow_(networkWindow), listener_(listener) {}

void CIRCClientSocket::OnConnect(int error) {
    listener_.OnServerConnect(error);
}

void CIRCClientSocket::OnClose(int error) {
    listener_.OnServerClose(error);
}

void CIRCClientSocket::OnReceive(int) {
    if (inReceive_) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    inReceive_ = true;
    int received = Receive(framer_.FreeSpace(), static_cast<int>(framer_.FreeSize()));
    if (received > 0) framer_.Commit(static_cast<size_t>(received), *this);
    inReceive_ = false;
}

void CIRCClientSocket::OnLine(std::string_view line) {
    Loop().PostMessage(networkWindow_, WindowMessage(netmsg::kLineReceived, std::string(line)));
}

void CIRCClientSocket::OnOverlongLine() {
    listener_.OnOverlongLine();
}

CIRCClientSocket::SendResult CIRCClientSocket::SendAll(std::string_view bytes) {
    if (pending_.size() + bytes.size() > kMaxPendingOutput) return SendResult::QueueFull;
    pending_.append(bytes);
    return Flush() ? SendResult::Sent : SendResult::Failed;
}

bool CIRCClientSocket::Flush() {
    while (!pending_.empty()) {
        int sent = Send(pending_.data(), static_cast<int>(pending_.size()));
        if (sent == kSocketError) {
            if (LastError() == wsa::kWouldBlock) return true;  // OnSend resumes
            pending_.clear();
            return false;
        }
        pending_.erase(0, static_cast<size_t>(sent));
    }
    return true;
}

void CIRCClientSocket::OnSend(int) {
    Flush();
}

}  // namespace parlevox
