#pragma once
// The DCC control: decides what happens to the DCC requests that arrive
// (offers, chats, resumes, accepts), keeps hostile senders out through the
// ignore list, makes the client's own offers, and owns the transfer and
// offer windows until the person closes them.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dcc/DCCPlugIns.h"
#include "dcc/DCCQueryWnd.h"
#include "dcc/DCCWnd.h"
#include "dcc/DccOptions.h"
#include "dcc/DccTransferSettings.h"
#include "dcc/DccViews.h"
#include "irc/AddressRecord.h"
#include "irc/ConnectionState.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class CDCCChatWnd;
class CIRCMessage;
class C_imDCCOffer;
class C_imDCCChat;
class C_imDCCResume;
class CSoundSystem;
class RecentAddresses;
class UserInterface;

// Where chat windows open (the directory of the session's windows).
class DccChatWindows {
public:
    virtual ~DccChatWindows() = default;
    // telnetPort 0: a DCC chat with the nick.
    virtual CDCCChatWnd& OpenDccChat(const std::string& peer, uint16_t telnetPort) = 0;
};

// What the control reaches; every reference outlives it.
struct DccControlServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    const ConnectionState& connection;
    UserInterface& ui;
    CSoundSystem* sounds;  // null: no sounds
    std::string programFolder;  // ends with "/"
    DccViews& views;
    DccChatWindows& chats;
    // Adds the sender to the ignore list unless an entry matches already.
    std::function<void(const AddressRecord& sender, const std::string& reason)> addIgnore = {};
    std::function<bool(const AddressRecord& sender)> isFriend = {};
    // The one-time hint about file offers.
    std::function<void()> showOfferHint = {};
    // The options were edited (saved by the owner).
    std::function<void()> optionsChanged = {};
    // The installed DCC plug-ins; none: the plug-in action only saves.
    CDCCPlugIns* plugIns = nullptr;
    // The addresses seen lately, for ignoring a nick by its address.
    const RecentAddresses* recentAddresses = nullptr;
    // Adds an ignore entry as given (exact or to be widened) unless one matches already.
    std::function<void(const AddressRecord& address, const std::string& reason, bool exact)> addIgnoreEntry = {};
};

class CDCCControl final : public MessageTarget {
public:
    CDCCControl(const DccControlServices& services, DccOptions& options);
    ~CDCCControl() override;

    DccOptions& Options() { return options_; }
    // Marks the options changed and has them saved.
    void Changed();

    // One of the four requests; true when it was the control's (it is then
    // marked handled, whatever became of it).
    bool HandRequest(CIRCMessage& request);

    // The SEND and CHAT forms of "/dcc", and "/dccview". False with the
    // reason in `problem` when nothing was offered.
    bool SendFile(const std::string& nick, const std::string& path, std::string& problem);
    bool OfferChat(const std::string& nick, std::string& problem);  // false: the chat window says why
    // The chat window of an offer made some other way than by CTCP (the
    // client link): it listens, and its port is returned (0: the window
    // says why).
    uint16_t OpenChatListener(const std::string& nick);
    // The line that offers the file to oneself, for the incoming path.
    std::optional<std::string> ViewLine(const std::string& path, std::string& problem);

    // What a receive of the name would continue: the size of the target
    // file, 0 when there is none.
    uint64_t ExistingSize(const std::string& fileName) const;
    // Starts the receive of an accepted offer at the position.
    void StartReceive(const DccOffer& offer, uint64_t position);

    // "Ignore during DCC" for the sender of a plug-in's file: by the last
    // address seen of the nick (inexact), else by nick!*@* (exact).
    void IgnoreDuringDcc(const std::string& nick);

    // The address peers are told to connect to, as one number.
    uint32_t OwnAddress() const;
    DccTransferSettings TransferSettings() const;

    const std::vector<std::unique_ptr<CDCCWnd>>& Transfers() const { return transfers_; }
    const std::vector<std::unique_ptr<CDCCQueryWnd>>& Queries() const { return queries_; }

private:
    struct PassiveSend {
        std::string token;
        std::string nick;
        CDCCWnd* window;
    };

    void OnOffer(C_imDCCOffer& offer, bool handled);
    void OnChat(C_imDCCChat& chat);
    void OnResume(C_imDCCResume& resume);
    bool PassiveAnswered(const C_imDCCOffer& offer);
    bool Refused(const AddressRecord& sender, bool handled) const;
    bool WouldAsk(const AddressRecord& sender, bool handled) const;
    void Ask(const DccOffer& offer);
    void SendCTCP(const std::string& nick, const std::string& text) const;
    CDCCWnd& Keep(std::unique_ptr<CDCCWnd> window);
    void Forget(CDCCWnd* window);
    void Forget(CDCCQueryWnd* window);
    void Warn(const std::string& text) const;

    DccControlServices services_;
    DccOptions& options_;
    std::vector<std::unique_ptr<CDCCWnd>> transfers_;
    std::vector<std::unique_ptr<CDCCQueryWnd>> queries_;
    std::vector<PassiveSend> passiveSends_;
    uint32_t nextToken_ = 1;
    DccPlugInLink plugInLink_;
};

}  // namespace parlevox
