#pragma once
// The common base of channel and private message windows: owns the output
// pane, shows event lines in it, sends typed lines through the command
// processor and shows them as the user's own events, and saves its
// contents. The toolkit side is a ChatWindowView.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "commands/CommandLineRunner.h"
#include "commands/CommandOutput.h"
#include "display/ChatLineFormatter.h"
#include "display/CommandRunner.h"
#include "display/LinkMarking.h"
#include "display/OutputWnd.h"
#include "display/SchemeManager.h"
#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/EventHandlerWindow.h"

namespace parlevox {

class CSoundSystem;
class UserInterface;

// What the windows reach. The references outlive every window.
struct ChatWindowServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    const ConnectionState& connection;
    const ColourCodes& colours;  // the application's current colours
    CommandLineRunner& commands;
    CSoundSystem* sounds;  // null: no sounds
    UserInterface& ui;
    CSchemeManager& schemes;  // each window asks it for its scheme
    std::string programFolder;  // ends with "/"
    bool muckSupport = false;
    LinkMarkingSettings marking;  // web addresses and highlight words in the panes
};

class ChatWindowView {
public:
    virtual ~ChatWindowView() = default;
    // Every line the window adds to its pane, with its control bytes.
    virtual void LineAdded(std::string_view text) = 0;
    virtual void CaptionChanged(const std::string& caption) = 0;
    virtual void InputEnabled(bool enabled) = 0;
    // The window wants to go: its owner destroys it later, never inside
    // this call.
    virtual void CloseRequested() = 0;
    // A channel's topic changed (the favourites keep it).
    virtual void TopicChanged(const std::string& /*topic*/) {}
    virtual void NicknameMenu(const std::string& /*nickname*/, int /*x*/, int /*y*/) {}
    virtual void ContextMenu(int /*x*/, int /*y*/) {}
    // The channel's names list asks for the user menu of nickname at x, y
    // of the list.
    virtual void NamesListMenu(const std::string& /*nickname*/, int /*x*/, int /*y*/) {}
    // A direct chat offered by a stranger waits for Accept or Decline.
    virtual void OfferPending(bool /*pending*/) {}
    // What shows the pane; the default shows nothing.
    virtual OutputPaneView& PaneView() { return nullPane_; }

private:
    NullPaneView nullPane_;
};

class CChatWindow : public EventHandlerWindow,
                    public OutputPaneOwner,
                    public CommandOutput,
                    public CommandRunner,
                    public SchemeListener {
public:
    CChatWindow(const ChatWindowServices& services, std::string name, ChatWindowView& view);
    ~CChatWindow() override;

    // The channel, or the partner's nick.
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    COutputWnd& Pane() { return pane_; }

    // A line typed into the window's input line.
    virtual void Type(std::string_view line);
    // The user closed the window: it goes as when it asks to itself.
    void RequestClose() { view_.CloseRequested(); }
    // An event handed over directly rather than through a registration: the
    // first private message of a partner whose query window it opened.
    void ShowEvent(CIRCMessage& message) { OnEvent(message, 0); }
    // "Save Window Contents As": the pane's whole stored text.
    void SaveContents();

    // CommandOutput: commands write here.
    void AddLine(std::string_view text) override;
    void Clear() override;

    // What the schemes' usage lists are matched against: a channel, or a
    // private chat with the partner.
    virtual SchemeWindow SchemeTarget() const;
    // SchemeListener: the pane asks again and repaints; then onSchemeChanged.
    void SchemeChanged() override;
    std::function<void()> onSchemeChanged;

    // OutputPaneOwner.
    const CScheme& Scheme() const override;
    ActionContext HotspotContext() const override;
    UserInterface& UI() const override;
    void OnNicknameMenu(const std::string& nickname, int x, int y) override;
    void OnContextMenu(int x, int y) override;

    // CommandRunner: scheme hot spot commands run as if typed here.
    void RunCommand(const std::string& line, const CommandContext& context) override;

protected:
    const ChatWindowServices& Services() const { return services_; }
    ChatWindowView& View() { return view_; }
    ChatLineFormatter Formatter() const { return {services_.colours, services_.connection.currentNick}; }
    bool IsOwnNick(std::string_view nick) const { return Formatter().IsOwn(nick); }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetCaption(std::string caption);

    // Adds the event's line and marks the event shown.
    void Show(CIRCMessage& message, const std::string& line);
    // Plays what a sound request names: the user's own by name, another
    // user's only through the guarded lookup, saying why when it does not.
    void PlaySoundRequest(std::string_view senderNick, const SoundRequest& request);
    // Each line added to the pane, after it is there.
    virtual void LineShown(std::string_view /*text*/) {}
    // The nick typed commands refer to.
    virtual std::string CommandNick() const { return {}; }

private:
    enum class OwnEvent { Message, Action, Sound };
    // Runs the command with the capture text armed and shows what it sent.
    void SendCaptured(const std::string& command, OwnEvent kind);
    void DispatchOwnEvent(OwnEvent kind, std::string_view text);

    ChatWindowServices services_;
    std::string name_;
    std::string caption_;
    ChatWindowView& view_;
    COutputWnd pane_;
};

}  // namespace parlevox
