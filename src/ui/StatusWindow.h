#pragma once
// The status window: the main frame's output pane. The network layer and
// the main frame write their lines here, and "/" commands typed into it run
// with no channel or nick context.
#include <string>
#include <string_view>

#include "commands/CommandLineRunner.h"
#include "commands/CommandOutput.h"
#include "display/ChatWindow.h"
#include "display/OutputWnd.h"
#include "irc/StatusOutput.h"

namespace parlevox {

class CStatusWindow final : public OutputPaneOwner, public StatusOutput, public CommandOutput, public CommandRunner {
public:
    static constexpr const char* kName = "~Status";

    CStatusWindow(UserInterface& ui, const CScheme& scheme, ChatWindowView& view);

    // Typed lines run once the commands are there.
    void SetCommands(CommandLineRunner* commands) { commands_ = commands; }
    // A "/" line typed into the window; false for anything else.
    bool Type(std::string_view line);

    void WriteStatus(std::string_view line) override { AddLine(line); }
    void AddLine(std::string_view text) override;
    void Clear() override { pane_.Clear(); }
    COutputWnd& Pane() { return pane_; }

    const CScheme& Scheme() const override { return scheme_; }
    ActionContext HotspotContext() const override;
    UserInterface& UI() const override { return ui_; }
    bool IsChannelWindow() const override { return false; }
    void OnNicknameMenu(const std::string& nickname, int x, int y) override { view_.NicknameMenu(nickname, x, y); }
    void OnContextMenu(int x, int y) override { view_.ContextMenu(x, y); }
    void RunCommand(const std::string& line, const CommandContext& context) override;

private:
    UserInterface& ui_;
    const CScheme& scheme_;
    ChatWindowView& view_;
    COutputWnd pane_;
    CommandLineRunner* commands_ = nullptr;
};

}  // namespace parlevox
