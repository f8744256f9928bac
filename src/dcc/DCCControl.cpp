#include "dcc/DCCControl.h"

#include <fmt/printf.h>
#include <netdb.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/MessageBox.h"
#include "common/ParseInteger.h"
#include "common/TextHelpers.h"
#include "dcc/DCCChatWnd.h"
#include "dcc/DccFileTypes.h"
#include "dcc/DccNumbers.h"
#include "dcc/DccOfferNames.h"
#include "dcc/DccPlugInTexts.h"
#include "dcc/DccTexts.h"
#include "display/SoundSystem.h"
#include "irc/IMPrivmsg.h"
#include "irc/NetworkControl.h"
#include "irc/RecentAddresses.h"
#include "platform/EventLoop.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

constexpr const char* kNewRequestSound = "New message or DCC request";

// An address nobody can be reached at: connecting to 0.0.0.0 reaches this
// machine's own services.
bool Unreachable(uint32_t ip) {
    return ip == 0 || ip == 0xFFFFFFFFu;
}

// Peers read a quoted name as one word; others never hold a blank.
std::string OfferedName(const std::string& path) {
    std::string name = CutOfferName(path);
    return name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
}

// Every folder on the way, so that a fresh table's folder exists.
void MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0755);
}

std::optional<uint32_t> HostOwnAddress() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return std::nullopt;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &found) != 0 || !found) return std::nullopt;
    const uint32_t address = ntohl(reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    ::freeaddrinfo(found);
    return address;
}

}  // namespace

CDCCControl::CDCCControl(const DccControlServices& services, DccOptions& options)
    : MessageTarget(services.loop), services_(services), options_(options) {
    EnsureCatchAll(options_);
    if (!services_.plugIns) return;
    plugInLink_ = {&services_.views, services_.sounds, [this](const std::string& nick) { IgnoreDuringDcc(nick); }};
    services_.plugIns->Link(&plugInLink_);
}

// The plug-ins' windows and transfers close while the views are there.
CDCCControl::~CDCCControl() {
    if (services_.plugIns) services_.plugIns->Link(nullptr);
    queries_.clear();
    transfers_.clear();
}

void CDCCControl::Changed() {
    if (services_.optionsChanged) services_.optionsChanged();
}

bool CDCCControl::HandRequest(CIRCMessage& request) {
    const bool handled = request.handled != 0;
    switch (request.eventType) {
        case kDCCOffer: OnOffer(static_cast<C_imDCCOffer&>(request), handled); break;
        case kDCCChat: OnChat(static_cast<C_imDCCChat&>(request)); break;
        case kDCCResume: OnResume(static_cast<C_imDCCResume&>(request)); break;
        case kDCCAccept: break;  // the offer window that asked takes it
        default: return false;
    }
    return true;
}

void CDCCControl::OnOffer(C_imDCCOffer& request, bool handled) {
    if (!request.valid || PassiveAnswered(request)) return;
    const AddressRecord& sender = request.senderAddress;
    const std::string name = CutOfferName(request.fileName);
    if (IsDeviceName(name)) {
        services_.addIgnore(sender, dcc_text::kDeviceNameReason);
        return;
    }
    const bool passive = request.port == 0 && !request.token.empty();
    if (request.port < 1024 && !passive) {
        services_.addIgnore(sender, dcc_text::kSystemPortReason);
        return;
    }
    if (!IsSafeFileName(name) || (!passive && Unreachable(request.ip)) || Refused(sender, handled)) return;
    const DccOffer offer {sender, name, request.fileSize, request.ip, static_cast<uint16_t>(request.port),
                          passive ? request.token : std::string()};
    if (!WouldAsk(sender, handled) && ExistingSize(name) == 0)
        StartReceive(offer, 0);
    else
        Ask(offer);
}

// The answer to one of our passive offers names where the peer listens.
bool CDCCControl::PassiveAnswered(const C_imDCCOffer& request) {
    if (request.port == 0 || request.token.empty()) return false;
    auto it = std::find_if(passiveSends_.begin(), passiveSends_.end(), [&](const PassiveSend& send) {
        return send.token == request.token && EqualsIgnoringCase(send.nick, request.senderAddress.nick);
    });
    if (it == passiveSends_.end()) return false;
    CDCCWnd* window = it->window;
    passiveSends_.erase(it);
    if (!Unreachable(request.ip)) window->ConnectPassive(request.ip, static_cast<uint16_t>(request.port));
    return true;
}

bool CDCCControl::Refused(const AddressRecord& sender, bool handled) const {
    if (handled) return false;
    if (options_.allowMode == 1) return true;
    return options_.allowMode == 2 && !services_.isFriend(sender);
}

bool CDCCControl::WouldAsk(const AddressRecord& sender, bool handled) const {
    if (handled) return false;
    if (options_.automaticMode == 0) return true;
    return options_.automaticMode == 1 && !services_.isFriend(sender);
}

void CDCCControl::Ask(const DccOffer& offer) {
    auto window = std::make_unique<CDCCQueryWnd>(services_.loop, services_.networkWindow, offer,
                                                 ExistingSize(offer.fileName));
    CDCCQueryWnd* made = window.get();
    made->onAccept = [this](const DccOffer& accepted, uint64_t position) { StartReceive(accepted, position); };
    made->onCloseRequested = [this, made] { Forget(made); };
    queries_.push_back(std::move(window));
    made->SetView(services_.views.MakeQueryView(*made));
    if (services_.sounds) services_.sounds->Play(kNewRequestSound);
    if (services_.showOfferHint) services_.showOfferHint();
}

uint64_t CDCCControl::ExistingSize(const std::string& fileName) const {
    const std::string path = TargetFolder(FileTypeFor(options_, fileName), services_.programFolder) + fileName;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return static_cast<uint64_t>(info.st_size);
}

void CDCCControl::StartReceive(const DccOffer& offer, uint64_t position) {
    const DccFileType& type = FileTypeFor(options_, offer.fileName);
    const std::string folder = TargetFolder(type, services_.programFolder);
    MakeFolders(folder);
    DccReceiveRequest request {offer.sender.nick, folder + offer.fileName, offer.size, offer.ip, offer.port,
                               position, type.action, type.helper, nullptr};
    if (type.action == dcc_action::kPlugIn && services_.plugIns)
        request.sink = services_.plugIns->SinkFor(type.plugIn);
    std::string error;
    std::unique_ptr<CDCCWnd> window =
        CDCCWnd::StartReceive(services_.loop, services_.ui, request, TransferSettings(), error);
    if (!window) return Warn(error);
    CDCCWnd& made = Keep(std::move(window));
    if (offer.port == 0) {
        const unsigned long long size = offer.size;
        SendCTCP(offer.sender.nick, fmt::sprintf(dcc_text::kPassiveSendRequest, OfferedName(offer.fileName),
                                                 OwnAddress(), made.PassiveListenPort(), size, offer.token));
    }
}

void CDCCControl::OnChat(C_imDCCChat& request) {
    if (!request.valid || Unreachable(request.ip)) return;
    const AddressRecord& sender = request.senderAddress;
    // Over the client link anyone can give any nick: such an offer is never
    // taken for our own or a friend's, and waits for the person.
    const bool vouched = !request.viaClientLink;
    const bool telnet = vouched && EqualsIgnoringCase(sender.host, "Telnet");
    const bool own = vouched && EqualsIgnoringCase(sender.nick, services_.connection.currentNick);
    if (request.port < 1024 && !telnet && !own) {
        services_.addIgnore(sender, dcc_text::kSystemPortReason);
        return;
    }
    uint16_t telnetPort = 0;
    if (telnet) {
        const std::optional<uint64_t> port = ParseStrictDecimal(sender.user, 65535);
        if (!port || *port == 0) return;
        telnetPort = static_cast<uint16_t>(*port);
    }
    CDCCChatWnd& window = services_.chats.OpenDccChat(sender.nick, telnetPort);
    if (telnet || own || (vouched && services_.isFriend(sender))) {
        window.Connect(request.ip, static_cast<uint16_t>(request.port));
        return;
    }
    // Connecting would tell a stranger where we are: the person decides.
    window.HoldOffer(request.ip, static_cast<uint16_t>(request.port));
    if (services_.sounds) services_.sounds->Play(kNewRequestSound);
}

void CDCCControl::OnResume(C_imDCCResume& request) {
    if (!request.valid) return;
    for (const std::unique_ptr<CDCCWnd>& window : transfers_) {
        const bool byPort = request.port != 0 && window->ListenPort() == request.port;
        const bool byToken = request.port == 0 && !request.token.empty() &&
                             std::any_of(passiveSends_.begin(), passiveSends_.end(), [&](const PassiveSend& send) {
                                 return send.window == window.get() && send.token == request.token;
                             });
        if (!byPort && !byToken) continue;
        if (!window->AcceptResume(request.position)) return;
        const unsigned long long position = request.position;
        std::string accept = fmt::sprintf(dcc_text::kAcceptRequest, request.fileName, request.port, position);
        if (!request.token.empty()) accept += " " + request.token;
        SendCTCP(request.senderAddress.nick, accept);
        return;
    }
}

bool CDCCControl::SendFile(const std::string& nick, const std::string& path, std::string& problem) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || ::access(path.c_str(), R_OK) != 0) {
        problem = dcc_text::kErrorOpeningFile;
        Warn(problem);
        return false;
    }
    DccSendRequest request {nick, path, options_.passive};
    std::unique_ptr<CDCCWnd> window = CDCCWnd::StartSend(services_.loop, services_.ui, request, TransferSettings(),
                                                         problem);
    if (!window) {
        Warn(problem);
        return false;
    }
    CDCCWnd& made = Keep(std::move(window));
    const unsigned long long size = made.Size();
    if (!request.passive) {
        SendCTCP(nick, fmt::sprintf(dcc_text::kSendRequest, OfferedName(path), OwnAddress(), made.ListenPort(), size));
        return true;
    }
    const std::string token = std::to_string(nextToken_++);
    passiveSends_.push_back({token, nick, &made});
    SendCTCP(nick, fmt::sprintf(dcc_text::kPassiveSendRequest, OfferedName(path), OwnAddress(), 0, size, token));
    return true;
}

bool CDCCControl::OfferChat(const std::string& nick, std::string& problem) {
    const uint16_t port = OpenChatListener(nick);
    if (port == 0) return false;  // the window shows why
    SendCTCP(nick, fmt::sprintf(dcc_text::kChatRequest, OwnAddress(), port));
    return true;
}

uint16_t CDCCControl::OpenChatListener(const std::string& nick) {
    return services_.chats.OpenDccChat(nick, 0).Listen(TransferSettings());
}

std::optional<std::string> CDCCControl::ViewLine(const std::string& path, std::string& problem) {
    const std::string own = services_.connection.currentNick.empty() ? "You" : services_.connection.currentNick;
    DccSendRequest request {own, path, false};
    std::unique_ptr<CDCCWnd> window = CDCCWnd::StartSend(services_.loop, services_.ui, request, TransferSettings(),
                                                         problem);
    if (!window) {
        Warn(problem);
        return std::nullopt;
    }
    CDCCWnd& made = Keep(std::move(window));
    const unsigned long long size = made.Size();
    return fmt::sprintf(dcc_text::kViewLine, own, OfferedName(path), OwnAddress(), made.ListenPort(), size);
}

void CDCCControl::IgnoreDuringDcc(const std::string& nick) {
    if (!services_.addIgnoreEntry) return;
    if (services_.recentAddresses)
        for (const std::string& seen : services_.recentAddresses->Entries()) {
            AddressRecord address = AddressRecord::FromSender(seen);
            if (EqualsIgnoringCase(address.nick, nick))
                return services_.addIgnoreEntry(address, dcc_plugin_text::kIgnoreReason, false);
        }
    services_.addIgnoreEntry({nick, "*", "*"}, dcc_plugin_text::kIgnoreReason, true);
}

uint32_t CDCCControl::OwnAddress() const {
    for (const std::string& dotted : {options_.ownAddress, services_.connection.localAddress})
        if (std::optional<uint32_t> address = DottedToNumber(dotted)) return *address;
    return HostOwnAddress().value_or(0x7F000001u);
}

DccTransferSettings CDCCControl::TransferSettings() const {
    DccTransferSettings settings;
    settings.bindAddress = services_.connection.localAddress;
    settings.ports = DccPortRange::Parse(options_.portRange).value_or(DccPortRange {});
    settings.sendAhead = std::clamp(options_.sendAhead, DccOptions::kMinSendAhead, DccOptions::kMaxSendAhead);
    return settings;
}

void CDCCControl::SendCTCP(const std::string& nick, const std::string& text) const {
    SendToServer(services_.loop, services_.networkWindow, "PRIVMSG " + nick + " :\x01" + text + "\x01");
}

CDCCWnd& CDCCControl::Keep(std::unique_ptr<CDCCWnd> window) {
    CDCCWnd* made = window.get();
    made->onCloseRequested = [this, made] { Forget(made); };
    transfers_.push_back(std::move(window));
    made->SetView(services_.views.MakeProgressView(*made));
    return *made;
}

void CDCCControl::Forget(CDCCWnd* window) {
    std::erase_if(passiveSends_, [window](const PassiveSend& send) { return send.window == window; });
    auto it = std::find_if(transfers_.begin(), transfers_.end(), [window](auto& kept) { return kept.get() == window; });
    if (it == transfers_.end()) return;
    services_.loop.DeleteLater(std::move(*it));
    transfers_.erase(it);
}

void CDCCControl::Forget(CDCCQueryWnd* window) {
    auto it = std::find_if(queries_.begin(), queries_.end(), [window](auto& kept) { return kept.get() == window; });
    if (it == queries_.end()) return;
    services_.loop.DeleteLater(std::move(*it));
    queries_.erase(it);
}

void CDCCControl::Warn(const std::string& text) const {
    services_.ui.ShowMessageBox({dcc_text::kErrorTitle, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

}  // namespace parlevox
