#include "ui/ChatWindows.h"

#include <algorithm>
#include <optional>

#include "commands/TextWindowTexts.h"
#include "common/TextHelpers.h"
#include "dcc/DCCChatWnd.h"
#include "display/ChanWnd.h"
#include "display/MessageWnd.h"
#include "display/OutputPaneModel.h"
#include "display/SoundSystem.h"
#include "irc/IMPrivmsg.h"
#include "platform/EventLoop.h"
#include "platform/UserInterface.h"
#include "ui/MotdWnd.h"
#include "ui/NamesList.h"
#include "ui/NamesListActions.h"
#include "ui/TextWindow.h"

namespace parlevox {
namespace {

constexpr uint32_t kCloseWindow = 1;  // wParam: the window's handle

}  // namespace

// Hands everything to the front end's view, but keeps the close request:
// the window is destroyed by the directory once the event that asked for
// it is over.
class ChatWindows::RelayView final : public ChatWindowView {
public:
    RelayView(ChatWindows& owner, std::unique_ptr<ChatWindowView> view) : owner_(owner), view_(std::move(view)) {}

    void Attach(WindowHandle window) { window_ = window; }
    void LineAdded(std::string_view text) override { view_->LineAdded(text); }
    void CaptionChanged(const std::string& caption) override { view_->CaptionChanged(caption); }
    void InputEnabled(bool enabled) override { view_->InputEnabled(enabled); }
    void CloseRequested() override { owner_.CloseLater(window_); }
    void TopicChanged(const std::string& topic) override {
        view_->TopicChanged(topic);
        owner_.TopicChanged(window_, topic);
    }
    void NicknameMenu(const std::string& nick, int x, int y) override { view_->NicknameMenu(nick, x, y); }
    void ContextMenu(int x, int y) override { view_->ContextMenu(x, y); }
    void NamesListMenu(const std::string& nick, int x, int y) override { view_->NamesListMenu(nick, x, y); }
    void OfferPending(bool pending) override { view_->OfferPending(pending); }
    OutputPaneView& PaneView() override { return view_->PaneView(); }
    ChatWindowView& Inner() { return *view_; }

private:
    ChatWindows& owner_;
    std::unique_ptr<ChatWindowView> view_;
    WindowHandle window_ = 0;
};

// One window with what it owns; members go in reverse order, so the window
// goes before its names list and its view.
struct ChatWindows::Entry final : NamesListActions {
    Entry(ChatWindowKind k, const ChatWindowServices& s) : kind(k), services(s) {}

    // The list is the channel window's own: the channel is the window's.
    void OpenUserMenu(const std::string& nick, const std::string&, int x, int y) override {
        view->NamesListMenu(nick, x, y);
    }
    void RunCommand(const std::string& line, const std::string& channel, const std::string& nick) override {
        services.commands.Run(line, channel, nick, *window);
    }
    void ForwardCharacter(char) override {}

    ChatWindowKind kind;
    bool closing = false;  // gone for lookups; destroyed on the next iteration
    const ChatWindowServices& services;
    std::unique_ptr<RelayView> view;
    std::unique_ptr<CNamesList> names;
    std::unique_ptr<CChatWindow> window;
};

ChatWindows::ChatWindows(const ChatWindowServices& services, ChatWindowViews& views)
    : MessageTarget(services.loop), services_(services), views_(views) {}

ChatWindows::~ChatWindows() {
    // Newest first, as a user closing them would.
    while (!windows_.empty()) windows_.pop_back();
}

CChanWnd* ChatWindows::FindChannel(std::string_view channel) const {
    for (const auto& entry : windows_)
        if (entry->kind == ChatWindowKind::Channel && EqualsIgnoringCase(entry->window->Name(), channel))
            return static_cast<CChanWnd*>(entry->window.get());
    return nullptr;
}

CMessageWnd* ChatWindows::FindQuery(std::string_view nick) const {
    for (const auto& entry : windows_)
        if (entry->kind == ChatWindowKind::Query && EqualsIgnoringCase(entry->window->Name(), nick))
            return static_cast<CMessageWnd*>(entry->window.get());
    return nullptr;
}

CTextWindow* ChatWindows::FindText(std::string_view name) const {
    for (const auto& entry : windows_) {
        if (entry->closing || (entry->kind != ChatWindowKind::Text && entry->kind != ChatWindowKind::TextWithInput))
            continue;
        auto* text = static_cast<CTextWindow*>(entry->window.get());
        if (EqualsIgnoringCase(text->Spec().name, name)) return text;
    }
    return nullptr;
}

bool ChatWindows::OpenTextWindow(std::span<const std::string> words, std::string& problem) {
    std::optional<TextWindowSpec> spec = TextWindowSpec::FromWords(words, problem);
    if (!spec) return false;
    if (CTextWindow* open = FindText(spec->name)) {
        open->Reopen(std::move(*spec));
        return true;
    }
    const auto texts = std::count_if(windows_.begin(), windows_.end(), [](const auto& entry) {
        return !entry->closing && (entry->kind == ChatWindowKind::Text || entry->kind == ChatWindowKind::TextWithInput);
    });
    if (static_cast<size_t>(texts) >= kMaxTextWindows) {
        problem = texts::kTooManyTextWindows;
        return false;
    }
    const ChatWindowKind kind = spec->inputFunction.empty() ? ChatWindowKind::Text : ChatWindowKind::TextWithInput;
    Entry& entry = Add(kind, CTextWindow::kIdPrefix + spec->name);
    auto window = std::make_unique<CTextWindow>(services_, std::move(*spec), *entry.view);
    window->onInput = [this](const std::string& function, const std::string& line, CTextWindow& from) {
        if (onTextInput) onTextInput(function, line, from);
    };
    entry.window = std::move(window);
    entry.view->Attach(entry.window->Handle());
    views_.Opened(entry.view->Inner(), *entry.window);
    return true;
}

CDCCChatWnd& ChatWindows::OpenDccChat(const std::string& peer, uint16_t telnetPort) {
    const ChatWindowKind kind = telnetPort ? ChatWindowKind::Telnet : ChatWindowKind::DccChat;
    Entry& entry = Add(kind, peer);
    auto window = std::make_unique<CDCCChatWnd>(services_, peer, telnetPort, *entry.view);
    CDCCChatWnd& made = *window;
    entry.window = std::move(window);
    entry.view->Attach(made.Handle());
    views_.Opened(entry.view->Inner(), made);
    return made;
}

bool ChatWindows::WriteTextWindow(const std::string& name, const std::string& text) {
    CTextWindow* window = FindText(name);
    if (!window) return false;
    window->AddLine(text);
    return true;
}

// A script may close the window whose input it is running for: the window
// goes on the next iteration, but its name is free at once.
bool ChatWindows::CloseTextWindow(const std::string& name) {
    CTextWindow* window = FindText(name);
    if (!window) return false;
    for (const auto& entry : windows_)
        if (entry->window.get() == window) entry->closing = true;
    CloseLater(window->Handle());
    return true;
}

CNamesList* ChatWindows::NamesOf(std::string_view channel) const {
    for (const auto& entry : windows_)
        if (entry->names && EqualsIgnoringCase(entry->names->Channel(), channel)) return entry->names.get();
    return nullptr;
}

CChanWnd* ChatWindows::LastChannel() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->kind == ChatWindowKind::Channel) return static_cast<CChanWnd*>((*it)->window.get());
    return nullptr;
}

ChatWindows::Entry& ChatWindows::Add(ChatWindowKind kind, const std::string& name) {
    auto entry = std::make_unique<Entry>(kind, services_);
    entry->view = std::make_unique<RelayView>(*this, views_.MakeView(kind, name));
    windows_.push_back(std::move(entry));
    return *windows_.back();
}

CChanWnd& ChatWindows::OpenChannel(const std::string& channel) {
    if (CChanWnd* open = FindChannel(channel)) return *open;
    Entry& entry = Add(ChatWindowKind::Channel, channel);
    entry.names = std::make_unique<CNamesList>(services_.loop, services_.networkWindow, services_.connection, channel);
    entry.names->SetActions(&entry);
    entry.names->SetDoubleClickCommand(doubleClickCommand_);
    auto window = std::make_unique<CChanWnd>(services_, channel, *entry.names, *entry.view);
    CChanWnd& made = *window;
    CNamesList& names = *entry.names;
    names.SetScheme(&made.Scheme());
    made.onSchemeChanged = [&names, &made] { names.SetScheme(&made.Scheme()); };
    entry.window = std::move(window);
    entry.view->Attach(made.Handle());
    views_.Opened(entry.view->Inner(), made);
    if (onChannelOpened) onChannelOpened(made);
    return made;
}

void ChatWindows::TopicChanged(WindowHandle window, const std::string& topic) {
    if (!onTopicChanged) return;
    for (const auto& entry : windows_)
        if (entry->window && entry->window->Handle() == window) return onTopicChanged(entry->window->Name(), topic);
}

CMessageWnd& ChatWindows::OpenQueryWindow(const std::string& nick) {
    if (CMessageWnd* open = FindQuery(nick)) return *open;
    Entry& entry = Add(ChatWindowKind::Query, nick);
    auto window = std::make_unique<CMessageWnd>(services_, nick, *entry.view);
    CMessageWnd& made = *window;
    entry.window = std::move(window);
    entry.view->Attach(made.Handle());
    views_.Opened(entry.view->Inner(), made);
    return made;
}

void ChatWindows::SetDoubleClickCommand(std::string command) {
    doubleClickCommand_ = std::move(command);
    for (const auto& entry : windows_)
        if (entry->names) entry->names->SetDoubleClickCommand(doubleClickCommand_);
}

void ChatWindows::ShowInNewQueryWindow(CIRCMessage& message) {
    auto& privmsg = static_cast<C_imPRIVMSG&>(message);
    if (privmsg.senderAddress.nick.empty()) return;
    OpenQueryWindow(privmsg.senderAddress.nick).ShowEvent(message);
}

CChatWindow& ChatWindows::OpenMotdWindow() {
    CloseMotdWindow();
    Entry& entry = Add(ChatWindowKind::Motd, CMotdWnd::kName);
    entry.window = std::make_unique<CMotdWnd>(services_, *entry.view);
    entry.view->Attach(entry.window->Handle());
    views_.Opened(entry.view->Inner(), *entry.window);
    return *entry.window;
}

// Only from the main frame's handlers, never the window's own: the window
// goes at once.
void ChatWindows::CloseMotdWindow() {
    std::erase_if(windows_, [](const auto& entry) { return entry->kind == ChatWindowKind::Motd; });
}

void ChatWindows::ConnectionChanged(bool connected) {
    // Schemes may be for some servers only.
    services_.schemes.NotifyPanes();
    if (onConnectionChange) onConnectionChange(connected);
}

CommandOutput* ChatWindows::OpenQuery(const std::string& nick) {
    return &OpenQueryWindow(nick);
}

CommandOutput* ChatWindows::ChannelWindow(const std::string& channel) {
    return FindChannel(channel);
}

bool ChatWindows::PlayLocalSound(const std::string& file) {
    if (!services_.sounds) return false;
    services_.sounds->Play(file);
    return true;
}

bool ChatWindows::ConnectTo(const std::string& server, const std::string& rest) {
    return onConnectTo && onConnectTo(server, rest);
}

// --- Script timers and event hooks.
bool ChatWindows::StartScriptTimer(int32_t seconds, const std::string& function, CommandOutput& output) {
    if (!onStartScriptTimer) return false;
    onStartScriptTimer(seconds, function, output);
    return true;
}

bool ChatWindows::StopScriptTimers(const std::string& function) {
    if (!onStopScriptTimers) return false;
    onStopScriptTimers(function);
    return true;
}

std::optional<int32_t> ChatWindows::AddScriptHook(const std::string& event, const std::string& filterSpec,
                                                  int32_t priority, const std::string& function) {
    if (!onAddScriptHook) return std::nullopt;
    return onAddScriptHook(event, filterSpec, priority, function);
}

bool ChatWindows::RemoveScriptHooks(const std::string& function) {
    if (!onRemoveScriptHooks) return false;
    onRemoveScriptHooks(function);
    return true;
}
// --- end of script timers and event hooks.
// Script commands.

bool ChatWindows::ChannelPeople(const std::string& channel, std::vector<std::string>& nicks) {
    const CNamesList* names = NamesOf(channel);
    if (!names) return true;
    nicks.reserve(names->Count());
    names->Entries().VisitFrom(0, [&nicks](size_t, const std::string& entry) {
        nicks.emplace_back(CNamesList::NickOf(entry));
        return true;
    });
    return true;
}

bool ChatWindows::ChannelStatus(const std::string& channel, const std::string& nick, bool& op, bool& voice) {
    const CNamesList* names = NamesOf(channel);
    const std::optional<NickStatus> status = names ? names->Lookup(nick) : std::nullopt;
    op = status && status->op;
    voice = status && status->voice;
    return true;
}

bool ChatWindows::PromptText(const std::string& prompt, const std::string& title, std::string& answer) {
    answer = services_.ui.PromptText(prompt, title, "").value_or("");
    return true;
}

bool ChatWindows::SuppressOutput(bool raise) {
    OutputSuppression& suppression = OutputSuppression::ClientWide();
    if (raise) suppression.Raise();
    else suppression.Lower();
    return true;
}

bool ChatWindows::Friends(std::vector<FriendRecord>& list) {
    if (!friends) return false;
    list = friends();
    return true;
}

void ChatWindows::CloseLater(WindowHandle window) {
    Loop().PostMessage(Handle(), WindowMessage(kCloseWindow, static_cast<intptr_t>(window)));
}

intptr_t ChatWindows::OnMessage(WindowMessage& message) {
    if (message.id != kCloseWindow) return 0;
    auto window = static_cast<WindowHandle>(message.wParam);
    std::erase_if(windows_, [&](const auto& entry) { return entry->window->Handle() == window; });
    return 0;
}

}  // namespace parlevox
