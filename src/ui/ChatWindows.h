#pragma once
// The directory of the open channel and query windows: opens them when the
// main frame or a command asks, pairs each channel window with its names
// list, finds them by name, and closes them when they ask to go (after the
// event that asked, never inside it). It is also what the commands reach
// above them: query windows, channel windows and local sounds.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandHost.h"
#include "dcc/DCCControl.h"
#include "display/ChatWindow.h"
#include "platform/MessageTarget.h"
#include "ui/MainFrame.h"

namespace parlevox {

class CChanWnd;
class CMessageWnd;
class CTextWindow;
class CNamesList;
class NickInfoViews;
class ChannelInfoViews;

// A script text window with an input line is TextWithInput.
// DCC chats and telnet connections are DccChat and Telnet (only the
// former has a switch bar button).
enum class ChatWindowKind { Channel, Query, Motd, Text, TextWithInput, DccChat, Telnet };

// The front end's side: a view for each window it opens.
class ChatWindowViews {
public:
    virtual ~ChatWindowViews() = default;
    virtual std::unique_ptr<ChatWindowView> MakeView(ChatWindowKind kind, const std::string& name) = 0;
    // The window is made and shows through the view.
    virtual void Opened(ChatWindowView& /*view*/, CChatWindow& /*window*/) {}
    // The views of file transfers and offers; none: they have no view.
    virtual DccViews* Dcc() { return nullptr; }
    // The nick information dialogs' views; none: "/nickinfo" is not available.
    virtual NickInfoViews* NickInfo() { return nullptr; }
    // The channel information dialogs' views; none: "/chaninfo" is not available.
    virtual ChannelInfoViews* ChannelInfo() { return nullptr; }
};

class ChatWindows final : public MessageTarget, public MainFrameWindows, public CommandHost, public DccChatWindows {
public:
    // services.commands may be constructed after the directory; it is not
    // used before the first window opens.
    ChatWindows(const ChatWindowServices& services, ChatWindowViews& views);
    ~ChatWindows() override;

    CChanWnd* FindChannel(std::string_view channel) const;
    CMessageWnd* FindQuery(std::string_view nick) const;
    // An open script text window by its name (any case).
    CTextWindow* FindText(std::string_view name) const;
    CNamesList* NamesOf(std::string_view channel) const;
    // The channel window opened last that is still open, or nullptr.
    CChanWnd* LastChannel() const;
    size_t Count() const { return windows_.size(); }

    CChanWnd& OpenChannel(const std::string& channel);
    CMessageWnd& OpenQueryWindow(const std::string& nick);
    // DccChatWindows: a new direct chat or telnet window.
    CDCCChatWnd& OpenDccChat(const std::string& peer, uint16_t telnetPort) override;

    // The names lists' double-click command ("Misc"/"Double-click command").
    void SetDoubleClickCommand(std::string command);

    // A channel window was made; a channel's topic changed.
    std::function<void(CChanWnd& window)> onChannelOpened;
    std::function<void(const std::string& channel, const std::string& topic)> onTopicChanged;
    // Told when the connection is made or lost (after the windows).
    std::function<void(bool connected)> onConnectionChange;
    // "/ignore" with a checked mask.
    std::function<bool(const AddressRecord& mask, const std::string& reason)> onAddIgnore;
    // /scriptreset.
    std::function<bool()> onResetScripts;
    // "/schemeedit": the front end's scheme editing, with the window id.
    std::function<bool(const std::string&)> onEditScheme;
    // A line typed into a script text window, for its input function.
    std::function<void(const std::string& function, const std::string& line, CTextWindow& window)> onTextInput;
    // "/dcc", "/dccsend" and "/dccview": the session's DCC control.
    std::function<bool(const std::string& kind, const std::string& nick, const std::string& rest,
                       CommandOutput& output)>
        onStartDcc;
    std::function<bool(const std::string& nick)> onChooseFileToSend;
    std::function<bool(const std::string& file, CommandOutput& output)> onViewFile;
    // "/brimconnect" and "/nickinfo": the session's client link requests
    // and nick information dialogs.
    std::function<bool(const std::string& nick)> onOpenClientLink;
    std::function<bool(const std::string& nick)> onOpenNickInfo;
    // "/chaninfo": the session's channel information dialogs.
    std::function<bool(const std::string& channel)> onOpenChannelInfo;
    // "/server": none set, the command says it is not available.
    std::function<bool(const std::string& server, const std::string& rest)> onConnectTo;
    // "/run" and the scripts' Run: the session's run permission list.
    std::function<bool(const std::string& program, const std::string& arguments, CommandOutput& output)>
        onRunProgram;

    // --- Script timers and event hooks: the session's script event window.
    std::function<void(int32_t seconds, const std::string& function, CommandOutput& output)> onStartScriptTimer;
    std::function<void(const std::string& function)> onStopScriptTimers;
    std::function<int32_t(const std::string& event, const std::string& filterSpec, int32_t priority,
                          const std::string& function)>
        onAddScriptHook;
    std::function<void(const std::string& function)> onRemoveScriptHooks;
    // --- end of script timers and event hooks.

    // MainFrameWindows.
    void OpenChannelWindow(const std::string& channel) override { OpenChannel(channel); }
    void ShowInNewQueryWindow(CIRCMessage& message) override;
    CChatWindow& OpenMotdWindow() override;
    void CloseMotdWindow() override;
    void ConnectionChanged(bool connected) override;

    // CommandHost.
    CommandOutput* OpenQuery(const std::string& nick) override;
    CommandOutput* ChannelWindow(const std::string& channel) override;
    bool PlayLocalSound(const std::string& file) override;
    bool StartDcc(const std::string& kind, const std::string& nick, const std::string& rest,
                  CommandOutput& output) override {
        return onStartDcc && onStartDcc(kind, nick, rest, output);
    }
    bool ChooseFileToSend(const std::string& nick) override { return onChooseFileToSend && onChooseFileToSend(nick); }
    bool ViewFile(const std::string& file, CommandOutput& output) override {
        return onViewFile && onViewFile(file, output);
    }
    bool ConnectTo(const std::string& server, const std::string& rest) override;
    bool OpenClientLink(const std::string& nick) override { return onOpenClientLink && onOpenClientLink(nick); }
    bool OpenNickInfo(const std::string& nick) override { return onOpenNickInfo && onOpenNickInfo(nick); }
    bool OpenChannelInfo(const std::string& channel) override {
        return onOpenChannelInfo && onOpenChannelInfo(channel);
    }
    bool ResetScripts() override { return onResetScripts && onResetScripts(); }
    bool RunProgram(const std::string& program, const std::string& arguments, CommandOutput& output) override {
        return onRunProgram && onRunProgram(program, arguments, output);
    }
    bool EditScheme(const std::string& window) override { return onEditScheme && onEditScheme(window); }
    bool OpenTextWindow(std::span<const std::string> words, std::string& problem) override;
    bool WriteTextWindow(const std::string& name, const std::string& text) override;
    bool CloseTextWindow(const std::string& name) override;
    bool AddIgnore(const AddressRecord& mask, const std::string& reason) override {
        return onAddIgnore && onAddIgnore(mask, reason);
    }
    // The notify list: "/ison" waits while its poll does; "/notify".
    bool IsonOutstanding() const override { return isonOutstanding && isonOutstanding(); }
    bool ChangeNotify(const std::string& nick, bool remove, CommandOutput& output) override {
        return onChangeNotify && onChangeNotify(nick, remove, output);
    }
    std::function<bool()> isonOutstanding;
    std::function<bool(const std::string& nick, bool remove, CommandOutput& output)> onChangeNotify;
    // Script timers and event hooks.
    bool StartScriptTimer(int32_t seconds, const std::string& function, CommandOutput& output) override;
    bool StopScriptTimers(const std::string& function) override;
    std::optional<int32_t> AddScriptHook(const std::string& event, const std::string& filterSpec, int32_t priority,
                                         const std::string& function) override;
    bool RemoveScriptHooks(const std::string& function) override;

    // CommandHost, for the script commands. The names lists, the prompt
    // ("Input request") and the client-wide output suppression are served
    // here; the friends by the hooks below.
    bool ChannelPeople(const std::string& channel, std::vector<std::string>& nicks) override;
    bool ChannelStatus(const std::string& channel, const std::string& nick, bool& op, bool& voice) override;
    bool PromptText(const std::string& prompt, const std::string& title, std::string& answer) override;
    bool SuppressOutput(bool raise) override;
    bool Friends(std::vector<FriendRecord>& friends) override;
    bool AddFriend(const FriendRecord& entry) override { return onAddFriend && onAddFriend(entry); }
    // The friend list of the options, and adding one to it (saved).
    std::function<std::vector<FriendRecord>()> friends;
    std::function<bool(const FriendRecord&)> onAddFriend;

    intptr_t OnMessage(WindowMessage& message) override;

private:
    struct Entry;
    class RelayView;

    Entry& Add(ChatWindowKind kind, const std::string& name);
    void CloseLater(WindowHandle window);
    void TopicChanged(WindowHandle window, const std::string& topic);

    ChatWindowServices services_;
    ChatWindowViews& views_;
    std::vector<std::unique_ptr<Entry>> windows_;  // in opening order
    std::string doubleClickCommand_;
    // A looping script must not fill the screen and the process with windows.
    static constexpr size_t kMaxTextWindows = 256;
};

}  // namespace parlevox
