#include "display/ChatWindow.h"

#include <fmt/printf.h>

#include <utility>

#include "common/TextHelpers.h"
#include "display/ChannelLog.h"
#include "display/ChatTexts.h"
#include "display/SoundSystem.h"
#include "irc/IRCLineParser.h"
#include "irc/NetworkMessages.h"
#include "platform/EventLoop.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The server gets the text only up to the first line end or zero byte, so
// that is what is shown as sent.
std::string_view AsSent(std::string_view text) {
    return text.substr(0, std::min(text.find_first_of(std::string_view("\r\n\0", 3)), text.size()));
}

}  // namespace

CChatWindow::CChatWindow(const ChatWindowServices& services, std::string name, ChatWindowView& view)
    : EventHandlerWindow(services.loop, services.networkWindow),
      services_(services),
      name_(std::move(name)),
      caption_(name_),
      view_(view),
      pane_(*this, view.PaneView(), nullptr, services.sounds) {
    pane_.Model().SetMarking(services.marking);
    services_.schemes.RegisterPane(*this);
}

CChatWindow::~CChatWindow() {
    services_.schemes.UnregisterPane(*this);
}

SchemeWindow CChatWindow::SchemeTarget() const {
    SchemeWindow target;
    target.kind = IsChannelWindow() ? SchemeWindow::Kind::Channel : SchemeWindow::Kind::PrivateChat;
    target.name = name_;
    target.serverName = services_.connection.serverName;
    return target;
}

void CChatWindow::SchemeChanged() {
    pane_.SchemeChanged();
    if (onSchemeChanged) onSchemeChanged();
}

void CChatWindow::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    view_.CaptionChanged(caption_);
}

void CChatWindow::AddLine(std::string_view text) {
    // Suppressed output reaches neither the pane nor the log.
    if (OutputSuppression::ClientWide().Active()) return;
    pane_.AddLine(text);
    LineShown(text);
    view_.LineAdded(text);
}

void CChatWindow::Clear() {
    pane_.Clear();
}

void CChatWindow::Show(CIRCMessage& message, const std::string& line) {
    message.handled = 1;
    AddLine(line);
}

const CScheme& CChatWindow::Scheme() const {
    return services_.schemes.SchemeForWindow(SchemeTarget());
}

ActionContext CChatWindow::HotspotContext() const {
    ActionContext context;
    context.commands = const_cast<CChatWindow*>(this);
    if (IsChannelWindow()) context.window.channel = name_;
    else context.window.partnerNick = name_;
    context.ui = &services_.ui;
    return context;
}

UserInterface& CChatWindow::UI() const {
    return services_.ui;
}

void CChatWindow::OnNicknameMenu(const std::string& nickname, int x, int y) {
    view_.NicknameMenu(nickname, x, y);
}

void CChatWindow::OnContextMenu(int x, int y) {
    view_.ContextMenu(x, y);
}

void CChatWindow::RunCommand(const std::string& line, const CommandContext&) {
    services_.commands.Run(line, name_, CommandNick(), *this);
}

void CChatWindow::Type(std::string_view typed) {
    std::string line(typed);
    if (line.empty()) return;
    if (services_.muckSupport) {
        if (line[0] == ':') line = "/me " + line.substr(1);
        else if (line[0] == '"') line.erase(0, 1);
        if (line.empty()) return;
    }
    const bool action = StartsWithIgnoringCase(line, "/me") && line.size() > 3 &&
                        (line[3] == ' ' || line[3] == '\'' || line[3] == ',');
    if (action) {
        // "'s" and "," stay attached to the nickname.
        const std::string text = line.substr(line[3] == ' ' ? 4 : 3);
        return SendCaptured(fmt::sprintf(texts::kSendAction, name_, text), OwnEvent::Action);
    }
    if (StartsWithIgnoringCase(line, "/sound ")) {
        const std::string request = line.substr(7);
        const std::string file = SplitSoundRequest(request).file;
        if (services_.sounds && !file.empty() && services_.sounds->HasSound(file))
            return SendCaptured(fmt::sprintf(texts::kSendSound, name_, request), OwnEvent::Sound);
        return AddLine(fmt::sprintf(texts::kNoSoundHere, services_.colours.Code(colour::kInformation), file));
    }
    if (line[0] == '/') return services_.commands.Run(line, name_, CommandNick(), *this);
    SendCaptured(fmt::sprintf(texts::kSendMessage, name_, line), OwnEvent::Message);
}

void CChatWindow::SendCaptured(const std::string& command, OwnEvent kind) {
    std::string& capture = services_.commands.CaptureText();
    capture = "!";
    services_.commands.Run(command, name_, CommandNick(), *this);
    // The command leaves "!" when it sent nothing.
    std::string sent = std::exchange(services_.commands.CaptureText(), std::string());
    if (sent == "!") return;
    DispatchOwnEvent(kind, AsSent(sent));
}

void CChatWindow::DispatchOwnEvent(OwnEvent kind, std::string_view text) {
    const ConnectionState& own = services_.connection;
    // The capture holds the message text as sent: a CTCP body keeps its
    // delimiters and type, so actions and sound requests parse as such.
    std::string body(text);
    if (kind != OwnEvent::Message && !IsCTCPText(body)) return;
    const std::string line = fmt::sprintf(":%s!%s@%s PRIVMSG %s :%s", own.currentNick, own.currentUserName,
                                          own.localHostName, name_, body);
    ParsedLine parsed = ParseIRCLine(line, ParseOptions{});
    if (parsed.outcome != ParseOutcome::Parsed) return;
    WindowMessage message(netmsg::kDispatchEvent, std::make_unique<EventPayload>(std::move(parsed.message)));
    Loop().SendMessage(NetworkWindow(), message);
}

void CChatWindow::PlaySoundRequest(std::string_view senderNick, const SoundRequest& request) {
    if (!services_.sounds) return;
    if (IsOwnNick(senderNick)) {
        services_.sounds->Play(request.file);
        return;
    }
    const RequestedSound outcome = services_.sounds->PlayRequested(request.file);
    const std::string line = RequestedSoundLine(outcome, request.file, services_.colours);
    if (!line.empty()) AddLine(line);
}

void CChatWindow::SaveContents() {
    std::string proposed = ChannelLog::PathFor(services_.programFolder, name_);
    proposed.resize(proposed.size() - std::string_view(texts::kLogExtension).size());
    const auto path = services_.ui.ChooseSaveFile(texts::kSaveContentsTitle, texts::kSaveContentsFilter,
                                                  texts::kSaveContentsExtension, proposed);
    if (!path) return;
    if (WriteContentsFile(*path, pane_.Model().Rings().AllText())) AddLine(texts::kContentsSaved);
    else AddLine(fmt::sprintf(texts::kContentsNotSaved, services_.colours.Code(colour::kProblem), *path));
}

}  // namespace parlevox
