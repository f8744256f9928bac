#include "dcc/DCCSockets.h"

#include <string>
#include <utility>

#include "dcc/DCCWnd.h"
#include "dcc/DccTransferTexts.h"
#include "platform/SocketErrors.h"

namespace parlevox {

DccTransferSocket::DccTransferSocket(EventLoop& loop, CDCCWnd& window) : AsyncSocket(loop), window_(&window) {}

void DccTransferSocket::Detach() {
    window_ = nullptr;
    if (closing_) return;
    closing_ = true;
    Close();
    Release();
}

void DccTransferSocket::Finish() {
    if (closing_) return;
    closing_ = true;
    Close();
    Release();
    if (CDCCWnd* window = std::exchange(window_, nullptr)) window->Drop(*this);
}

CDCCListenSocket::CDCCListenSocket(EventLoop& loop, CDCCWnd& window, std::unique_ptr<DccTransferSocket> connection)
    : DccTransferSocket(loop, window), connection_(std::move(connection)) {}

CDCCListenSocket::~CDCCListenSocket() {
    if (connection_) connection_->Detach();
}

const char* CDCCListenSocket::Start(const DccTransferSettings& settings) {
    // The accepted connection starts with these; it chooses its own after.
    constexpr long kEvents = kAccept | kRead | kWrite | kConnect | kClose;
    const uint32_t first = settings.ports.Any() ? 0 : settings.ports.first;
    const uint32_t last = settings.ports.Any() ? 0 : settings.ports.last;
    const char* failure = dcc_texts::kCannotCreateListener;
    for (uint32_t port = first; port <= last; ++port) {
        if (!Create(static_cast<uint16_t>(port), kEvents, settings.bindAddress)) continue;
        // Another listener may hold the port although the bind went through.
        if (!Listen(kBacklog)) {
            failure = dcc_texts::kCannotListen;
            Close();
            continue;
        }
        std::string address;
        if (!GetSockName(address, port_)) port_ = static_cast<uint16_t>(port);
        return nullptr;
    }
    return failure;
}

void CDCCListenSocket::OnAccept(int) {
    if (IsClosing() || !connection_) return;
    if (!Accept(*connection_)) {
        if (LastError() == wsa::kWouldBlock) return;
        Window()->ShowMessage(dcc_texts::kAcceptFailed);
        Finish();
        return;
    }
    // One offer serves one connection: owning the connection drops the listener.
    DccTransferSocket* connection = connection_.get();
    Window()->Own(std::move(connection_));
    connection->Accepted();
}

void CDCCListenSocket::Release() {
    if (connection_) connection_->Detach();
}

}  // namespace parlevox
