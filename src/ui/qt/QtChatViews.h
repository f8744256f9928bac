#pragma once
// Makes the widget for each channel, query, message-of-the-day, text, DCC
// chat and telnet window the core opens, attaches it to the core window once
// that exists, and tells the main frame, which puts it into its MDI area. The
// core directory owns each widget (see PaneWindowWidget.h for what closing
// does).
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "ui/ChatWindows.h"
#include "ui/ChannelInfoDialog.h"
#include "ui/NickInfoDialog.h"

namespace parlevox {

class ChatWindowWidget;
class CNamesList;
class QtDccViews;
class UserMenuRunner;

class QtChatViews final : public QObject, public ChatWindowViews, public NickInfoViews,
                          public ChannelInfoViews {
    Q_OBJECT

public:
    using NamesOf = std::function<CNamesList*(const std::string& channel)>;

    explicit QtChatViews(QObject* parent = nullptr) : QObject(parent) {}

    // Where a channel window's names list is found (ChatWindows::NamesOf).
    void SetNamesOf(NamesOf namesOf) { namesOf_ = std::move(namesOf); }
    // What the windows' right-click menus run (the session's); windows
    // opened from now on get it.
    void SetUserMenus(UserMenuRunner* runner) { userMenus_ = runner; }
    // What makes the transfer and offer windows' widgets; set before the
    // session is made, which asks for it once. Must outlive the session.
    void SetDccViews(QtDccViews* views) { dccViews_ = views; }

    std::unique_ptr<ChatWindowView> MakeView(ChatWindowKind kind, const std::string& name) override;
    void Opened(ChatWindowView& view, CChatWindow& window) override;
    DccViews* Dcc() override;
    // The nick information dialogs: top-level windows of their own.
    NickInfoViews* NickInfo() override { return this; }
    std::unique_ptr<NickInfoView> MakeNickInfoView(CNickInfoDialog& dialog) override;
    // The channel information dialogs: top-level windows too.
    ChannelInfoViews* ChannelInfo() override { return this; }
    std::unique_ptr<ChannelInfoView> MakeChannelInfoView(CChannelInfoDialog& dialog) override;

signals:
    // The widget is attached and ready to show.
    void windowOpened(ChatWindowWidget* widget);

private:
    NamesOf namesOf_;
    UserMenuRunner* userMenus_ = nullptr;
    QtDccViews* dccViews_ = nullptr;
};

}  // namespace parlevox
