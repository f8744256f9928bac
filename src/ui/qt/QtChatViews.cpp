#include "ui/qt/QtChatViews.h"

#include "ui/qt/ChannelInfoWindow.h"
#include "ui/qt/ChannelWindowWidget.h"
#include "ui/qt/DccChatWindowWidget.h"
#include "ui/qt/MotdWindowWidget.h"
#include "ui/qt/NickInfoDialog.h"
#include "ui/qt/QtDccViews.h"
#include "ui/qt/QueryWindowWidget.h"
#include "ui/qt/TextWindowWidget.h"

namespace parlevox {

std::unique_ptr<ChatWindowView> QtChatViews::MakeView(ChatWindowKind kind, const std::string& name) {
    switch (kind) {
        case ChatWindowKind::Channel: return std::make_unique<ChannelWindowWidget>(name);
        case ChatWindowKind::Query: return std::make_unique<QueryWindowWidget>(name);
        case ChatWindowKind::Motd: return std::make_unique<MotdWindowWidget>();
        case ChatWindowKind::Text: return std::make_unique<TextWindowWidget>(name, false);
        case ChatWindowKind::TextWithInput: return std::make_unique<TextWindowWidget>(name, true);
        case ChatWindowKind::DccChat: return std::make_unique<DccChatWindowWidget>(name, false);
        case ChatWindowKind::Telnet: return std::make_unique<DccChatWindowWidget>(name, true);
    }
    return std::make_unique<QueryWindowWidget>(name);
}

void QtChatViews::Opened(ChatWindowView& view, CChatWindow& window) {
    auto* widget = dynamic_cast<PaneWindowWidget*>(&view);
    if (!widget) return;
    widget->SetUserMenus(userMenus_);
    if (auto* channel = dynamic_cast<ChannelWindowWidget*>(widget))
        channel->Attach(window, namesOf_ ? namesOf_(window.Name()) : nullptr);
    else
        widget->Attach(window);
    emit windowOpened(widget);
}

std::unique_ptr<NickInfoView> QtChatViews::MakeNickInfoView(CNickInfoDialog& dialog) {
    return std::make_unique<NickInfoDialog>(dialog);
}

std::unique_ptr<ChannelInfoView> QtChatViews::MakeChannelInfoView(CChannelInfoDialog& dialog) {
    return std::make_unique<ChannelInfoWindow>(dialog);
}

DccViews* QtChatViews::Dcc() {
    return dccViews_;
}

}  // namespace parlevox
