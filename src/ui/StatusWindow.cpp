#include "ui/StatusWindow.h"

namespace parlevox {

CStatusWindow::CStatusWindow(UserInterface& ui, const CScheme& scheme, ChatWindowView& view)
    : ui_(ui), scheme_(scheme), view_(view), pane_(*this, view.PaneView()) {}

bool CStatusWindow::Type(std::string_view line) {
    if (line.empty() || line[0] != '/') return false;
    if (commands_) commands_->Run(line, {}, {}, *this);
    return true;
}

void CStatusWindow::AddLine(std::string_view text) {
    if (OutputSuppression::ClientWide().Active()) return;
    pane_.AddLine(text);
    view_.LineAdded(text);
}

ActionContext CStatusWindow::HotspotContext() const {
    ActionContext context;
    context.commands = const_cast<CStatusWindow*>(this);
    context.ui = &ui_;
    return context;
}

void CStatusWindow::RunCommand(const std::string& line, const CommandContext&) {
    if (commands_) commands_->Run(line, {}, {}, *this);
}

}  // namespace parlevox
