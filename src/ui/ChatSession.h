#pragma once
// What both front ends put over the application object to chat: the main
// frame's event duties, the directory of channel and query windows, and the
// command processor that typed lines go through. The front end supplies
// the status window and the views.
#include <memory>

#include "commands/CommandProcessor.h"
#include "irc/CTCPHandler.h"
#include "irc/IgnoreHandler.h"
#include "modules/BuiltInScriptCalls.h"
#include "modules/ScPlugInCommands.h"
#include "modules/ScriptEngine.h"
#include "modules/ScriptEventWindow.h"
#include "modules/UserMenuRunner.h"
#include "display/ChatWindow.h"
#include "script/ScriptCommandVariables.h"
#include "ui/ChatWindows.h"
#include "ui/ClientLinkRequests.h"
#include "ui/MainFrame.h"
#include "ui/NotifyWindow.h"

namespace parlevox {

class CBrimvaleApp;
class CNickRegistration;
class CStatusWindow;
class NickInfoDialogs;
class ChannelInfoDialogs;
class PlugInWindows;

class CChatSession {
public:
    CChatSession(CBrimvaleApp& app, CStatusWindow& status, ChatWindowViews& views);
    ~CChatSession();

    CommandProcessor& Commands() { return processor_; }
    ChatWindows& Windows() { return windows_; }
    CStatusWindow& Status() { return status_; }
    CIgnoreHandler& Ignore() { return ignore_; }
    CScriptEngine& Scripts() { return *scripts_; }
    CReactionList& Reactions() { return *reactions_; }
    // The timers and event hooks scripts start (OnTimer, On).
    CScriptEventWindow& ScriptEvents() { return *scriptEvents_; }
    // The user menus' items, run with the context of the menu they were chosen from.
    UserMenuRunner& Menus() { return *menus_; }
    // Offers, transfers and direct chats.
    CDCCControl& Dcc() { return *dcc_; }
    // The online nicks of the application's notify list.
    CNotifyWindow& NotifyWindow() { return notifyWindow_; }
    // "/brimconnect" and the answers to BVUSERINFO.
    CClientLinkRequests& ClientLink() { return *clientLink_; }
    // Registering one of the three nicknames with NickServ.
    CNickRegistration& NickRegistration() { return *nickRegistration_; }

    // The one-shot tips explain the desktop's windows; a front end without
    // them turns them off.
    void TurnTipsOff();
    // The name of the window the person last activated ("#channel", a
    // nick, "~Status"); scripts started from outside a window (Init,
    // reactions) write there. Unset: the status window.
    std::function<std::string()> activeWindowName;
    ScriptRunContext CurrentWindow();

    // The script-command plug-ins' Startup, once the main window is usable
    // (later calls do nothing).
    void StartPlugIns();
    // Where the plug-ins' picture windows show; none: nowhere. Must outlive
    // the session.
    void SetPlugInViews(PlugInPictureViews* views);

    // After the application's options changed.
    void OptionsChanged();
    // Starts or stops a channel's log and remembers the choice for the
    // channel ("Channels" list), so its window logs when it opens again.
    void SetLogging(CChanWnd& window, bool on);

private:
    class Tips;
    class DccRelay;
    void ChannelOpened(CChanWnd& window);
    void TopicChanged(const std::string& channel, const std::string& topic);

    CBrimvaleApp& app_;
    CStatusWindow& status_;
    ScriptCommandVariables variables_;
    ChatWindowServices services_;
    ChatWindows windows_;
    CommandProcessor processor_;
    std::unique_ptr<Tips> tips_;
    CMainFrame mainFrame_;
    CCTCPHandler ctcp_;
    CIgnoreHandler ignore_;
    BuiltInScriptCalls scriptCommands_;  // the command table's commands as script functions
    std::unique_ptr<PlugInWindows> plugInWindows_;
    std::unique_ptr<ScPlugInCommands> plugInCommands_;
    std::unique_ptr<CScriptEngine> scripts_;
    std::unique_ptr<CReactionList> reactions_;
    std::unique_ptr<CScriptEventWindow> scriptEvents_;
    std::unique_ptr<UserMenuRunner> menus_;
    std::unique_ptr<CDCCControl> dcc_;
    std::unique_ptr<DccRelay> dccRelay_;
    CNotifyWindow notifyWindow_;
    std::unique_ptr<CClientLinkRequests> clientLink_;
    std::unique_ptr<NickInfoDialogs> nickInfo_;
    std::unique_ptr<CNickRegistration> nickRegistration_;
    std::unique_ptr<ChannelInfoDialogs> channelInfo_;

    void OpenAutoJoinFavourites();
    void StartReactions();
    void StartDcc(ChatWindowViews& views);
    void StartClientLink(ChatWindowViews& views);
    void StartChannelInfo(ChatWindowViews& views);
    void StartScriptEvents();
    void StartNotify();
    void StopNotify();
    void GatherReactions();
    // The friend list the script commands Friend and FriendLevel reach.
    void ServeFriends();
};

}  // namespace parlevox
