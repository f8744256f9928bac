#include "ui/ConnectDlg.h"

#include <fmt/format.h>

#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMNetSystem.h"
#include "irc/IMServer.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkTexts.h"
#include "irc/NetworkWnd.h"
#include "platform/EventLoop.h"
#include "platform/UserInterface.h"

#include <fmt/printf.h>

namespace parlevox {

CConnectDlg::CConnectDlg(EventLoop& loop, CNetworkWnd& network, ConnectionState& state, ConnectDlgView& view,
                         UserInterface& ui)
    : EventHandlerWindow(loop, network.Handle()), network_(network), state_(state), view_(view), ui_(ui) {}

CConnectDlg::~CConnectDlg() {
    if (open_) network_.SetConnectProgress(nullptr);
}

std::array<ConnectSlot, CConnectDlg::kSlotCount> CConnectDlg::SlotsFrom(
    const std::array<ServerSlot, kServerSlots>& servers) {
    static_assert(kSlotCount == kServerSlots);
    std::array<ConnectSlot, kSlotCount> slots;
    for (int i = 0; i < kSlotCount; ++i) {
        slots[i].host = servers[i].host;
        slots[i].port = static_cast<uint16_t>(servers[i].port);
    }
    return slots;
}

std::optional<std::string> CConnectDlg::ServerPassword() {
    if (!needsPassword_) return std::nullopt;
    return ui_.PromptText(texts::kPasswordPrompt, texts::kPasswordTitle, "");
}

void CConnectDlg::Start() {
    for (ConnectSlot& slot : slots_) slot.tried = false;
    if (!open_) {
        open_ = true;
        // While open it follows the logon replies and errors.
        Register(kServerNumeric, priority::kConnection);
        Register(kError, priority::kConnection);
        network_.SetConnectProgress(this);
    }
    TryNextSlot();
}

void CConnectDlg::Cancel() {
    if (!open_) return;
    Loop().SendMessage(network_.Handle(), WindowMessage(netmsg::kResetSocket));
    Close(false);
}

void CConnectDlg::AddStatus(const std::string& text) {
    view_.AddStatusLine(text);
}

void CConnectDlg::NextServer(const std::string& failureText) {
    AddStatus(failureText);
    TryNextSlot();
}

void CConnectDlg::TryNextSlot() {
    for (int i = 0; i < kSlotCount; ++i) {
        ConnectSlot& slot = slots_[i];
        if (slot.tried) continue;
        slot.tried = true;
        if (slot.host.empty()) {
            AddStatus(fmt::sprintf(texts::kEmptySlot, i + 1));
            continue;
        }
        WindowMessage connect(netmsg::kConnect, slot.host);
        connect.wParam = slot.port;
        Loop().PostMessage(network_.Handle(), std::move(connect));
        return;
    }
    AddStatus(texts::kNoMoreServers);
    view_.AllServersFailed();
}

void CConnectDlg::OnEvent(CIRCMessage& message, uint32_t) {
    if (!open_) return;
    if (auto* numeric = dynamic_cast<C_imServerNumeric*>(&message)) {
        if (numeric->numeric >= 1 && numeric->numeric <= 4) OnNumeric(numeric->numeric, message);
    } else if (message.eventType == kError) {
        Loop().SendMessage(network_.Handle(), WindowMessage(netmsg::kResetSocket));
        NextServer(message.text);
    }
}

void CConnectDlg::OnNumeric(int numeric, CIRCMessage& message) {
    if (numeric < 4) {
        AddStatus(message.text);
        return;
    }
    AddStatus(texts::kConnectionSuccessful);
    state_.serverName = message.params[1];
    state_.servicesVersion = ServicesVersionFromServerVersion(message.params[2]);
    state_.connected = true;
    auto connect = std::make_unique<C_imConnect>(1);
    Loop().PostMessage(network_.Handle(), WindowMessage(netmsg::kDispatchEvent,
                                                        std::make_unique<EventPayload>(std::move(connect))));
    Close(true);
}

void CConnectDlg::Close(bool connected) {
    open_ = false;
    RemoveAllHandlers();
    network_.SetConnectProgress(nullptr);
    view_.DialogClosed(connected);
}

}  // namespace parlevox
