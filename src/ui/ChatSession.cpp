#include "ui/ChatSession.h"

#include <fmt/printf.h>

#include "commands/CommandOutput.h"
#include "commands/TextWindowTexts.h"
#include "common/Masks.h"
#include "common/TextHelpers.h"
#include "display/ChanWnd.h"
#include "display/MessageWnd.h"
#include "settings/BrimvaleApp.h"
#include "platform/Clock.h"
#include "settings/IgnoreListStore.h"
#include "settings/OneShotHints.h"
#include "ui/MainFrameTexts.h"
#include "ui/ChannelInfoDialog.h"
#include "ui/NickInfoDialog.h"
#include "ui/NickRegistration.h"
#include "ui/PlugInWindows.h"
#include "ui/StatusWindow.h"
#include "ui/TextWindow.h"
#include "dcc/DccTexts.h"
#include "irc/NetworkMessages.h"
#include "irc/NotifyTexts.h"
#include "platform/EventLoop.h"

namespace parlevox {
namespace {

template <typename List, typename Field>
auto* FindByName(List& list, Field field, std::string_view name) {
    for (auto& item : list)
        if (EqualsIgnoringCase(item.*field, name)) return &item;
    return static_cast<typename List::value_type*>(nullptr);
}

CTCPSettings CTCPSettingsOf(CBrimvaleApp& app) {
    const OptionsRecord::YourInfo& info = app.Options().yourInfo;
    return CTCPSettings{info.realName, info.age, info.sex};
}

MainFrameSettings MainFrameSettingsOf(CBrimvaleApp& app) {
    MainFrameSettings settings;
    for (size_t i = 0; i < settings.nicks.size() && i < app.Options().nicknames.size(); ++i)
        settings.nicks[i] = app.Options().nicknames[i].name;
    settings.hideMotds = app.Options().misc.hideMotds;
    return settings;
}

YourInfoBlock YourInfoOf(CBrimvaleApp& app) {
    const OptionsRecord::YourInfo& info = app.Options().yourInfo;
    return {info.age, info.description, info.email, info.realName, info.location, info.sex};
}

CommandSettings CommandSettingsOf(CBrimvaleApp& app) {
    CommandSettings settings;
    settings.colours = app.Colours();
    settings.servicesHost = app.Options().misc.servicesHost;
    settings.programFolder = app.ProgramFolder();
    return settings;
}

// The panes mark web addresses and highlight words in the colours of slots
// 10 and 15.
LinkMarkingSettings MarkingOf(CBrimvaleApp& app) {
    const OptionsRecord::Colours& colours = app.Options().colours;
    return {colours.values[colour::kWebAddress], colours.values[15],
            LinkMarkingSettings::SplitHighlightWords(colours.highlight)};
}

// A mask that is no nick!user@host would filter nothing out: the default
// stands in.
AddressRecord ServiceMask(const std::string& mask, const char* fallback) {
    return AddressRecord::FromSender(IsCompleteMask(mask) ? mask : fallback);
}

ChannelServicesSettings ChannelServicesOf(CBrimvaleApp& app) {
    const OptionsRecord::Misc& misc = app.Options().misc;
    return {misc.servicesHost, ServiceMask(misc.chanServMask, OptionsRecord::kDefaultChanServMask),
            ServiceMask(misc.nickServMask, OptionsRecord::kDefaultNickServMask)};
}

constexpr const char* kChooseFileTitle = "Choose file to send to ";
constexpr const char* kAllFilesFilter = "All files (*.*)|*.*||";

}  // namespace

// A tip is an information box the first time only.
class CChatSession::Tips final : public OneShotTips {
public:
    explicit Tips(CBrimvaleApp& app) : app_(app) {}
    void ShowOnce(int tip, const char* text) override {
        if (OneShotHints::WasShown(app_.Store(), tip)) return;
        OneShotHints::MarkShown(app_.Store(), tip);
        MessageBoxRequest box;
        box.title = kTitle;
        box.text = text;
        box.icon = MessageIcon::Information;
        app_.UI().ShowMessageBox(box);
    }

private:
    static constexpr const char* kTitle = "Parlevox";
    CBrimvaleApp& app_;
};

// Hands the main frame's DCC requests to the control; transfers and offers
// without a front end's views show nowhere.
class CChatSession::DccRelay final : public DccHandOff, public DccViews {
public:
    bool HandRequest(CIRCMessage& request) override { return control && control->HandRequest(request); }
    std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd&) override { return nullptr; }
    std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd&) override { return nullptr; }

    CDCCControl* control = nullptr;
};

// The windows take the processor by reference before it is made: they run
// nothing through it until a window opens, by which time it exists.
CChatSession::CChatSession(CBrimvaleApp& app, CStatusWindow& status, ChatWindowViews& views)
    : app_(app),
      status_(status),
      variables_(app.Variables()),
      services_{app.Loop(),   app.Network().WindowHandleOf(), app.Network().State(), app.Colours(), processor_,
                &app.Sounds(), app.UI(), app.Schemes(), app.ProgramFolder(), app.Options().misc.muckSupport,
                MarkingOf(app)},
      windows_(services_, views),
      processor_(app.Loop(), app.Network().WindowHandleOf(), app.Network().State(), windows_, variables_,
                 CommandSettingsOf(app)),
      tips_(std::make_unique<Tips>(app)),
      mainFrame_(MainFrameServices{app.Loop(), app.Network().WindowHandleOf(), app.Network().State(), app.Colours(),
                                   status, windows_, app.UI(), &app.Sounds(), tips_.get()},
                 MainFrameSettingsOf(app)),
      ctcp_(app.Loop(), app.Network().WindowHandleOf(), app.Colours(), status, app.UI(), CTCPSettingsOf(app)),
      ignore_(app.Loop(), app.Network().WindowHandleOf(), app.Network().State(), app.Colours(), status,
              app.Idiots()),
      scriptCommands_(processor_) {
    ignore_.Check().SetFriends(FriendListOf(app.Options().friends));
    windows_.onAddIgnore = [this](const AddressRecord& mask, const std::string& reason) {
        app_.Idiots().Add(mask, reason, true, Clock::Now());
        return true;
    };
    status_.SetCommands(&processor_);
    status_.Pane().Model().SetMarking(services_.marking);
    windows_.SetDoubleClickCommand(app.Options().misc.doubleClickCommand);
    ctcp_.SetRequestShownHook([this] {
        if (tips_) tips_->ShowOnce(mainframe_text::kCTCPTip, mainframe_text::kCTCPTipText);
    });
    windows_.onChannelOpened = [this](CChanWnd& window) { ChannelOpened(window); };
    windows_.onTopicChanged = [this](const std::string& channel, const std::string& topic) {
        TopicChanged(channel, topic);
    };
    ServeFriends();
    plugInWindows_ = std::make_unique<PlugInWindows>(windows_, processor_, status_);
    plugInCommands_ = std::make_unique<ScPlugInCommands>(app.ScPlugIns().Host(), app.Colours());
    app.ScPlugIns().Host().SetWindows(plugInWindows_.get());
    // Last: the modules' Init functions may use any of the above.
    scripts_ = std::make_unique<CScriptEngine>(
        app.Modules(), app.Variables(), processor_, [this] { return CurrentWindow(); }, app.Colours(),
        std::vector<ScriptCallable*>{plugInCommands_.get(), &scriptCommands_});
    processor_.AddSource(scripts_->Commands());
    processor_.AddSource(*plugInCommands_);
    StartReactions();
    StartScriptEvents();
    menus_ = std::make_unique<UserMenuRunner>(app.Menus(), app.UI(), processor_, scripts_->Calls(), app.Variables());
    StartDcc(views);
    StartNotify();
    StartClientLink(views);
    StartChannelInfo(views);
    // Typed or from a script, a program starts only through the allow list.
    windows_.onRunProgram = [this](const std::string& program, const std::string& arguments, CommandOutput& output) {
        app_.RunList().Run(program, arguments, output);
        return true;
    };
    windows_.onResetScripts = [this] {
        scripts_->Reset(app_.ProgramFolder());
        return true;
    };
    // What is typed into a script's text window goes to the function it named.
    windows_.onTextInput = [this](const std::string& function, const std::string& line, CTextWindow& window) {
        ScriptRunContext context{window, ""};
        const CVariable argument({VariableComponent::String(line)});
        if (!scripts_->Calls().CallByName(function, argument, context))
            window.AddLine(fmt::sprintf(texts::kNoTextInputFunction, app_.Colours().Code(colour::kProblem), function));
    };
    OpenAutoJoinFavourites();
}

// A channel window joins its channel whenever a connection is made, so the
// favourites marked auto-join are joined from the first connection on.
void CChatSession::OpenAutoJoinFavourites() {
    for (const FavouriteChannel& favourite : app_.Options().favourites)
        if (favourite.autoJoin && !favourite.channel.empty()) windows_.OpenChannel(favourite.channel);
}

// The modules' Shutdown functions run while the windows still exist; the
// modules take their reactions back before the application saves them.
CChatSession::~CChatSession() {
    ctcp_.SetYourInfoHook({});
    nickRegistration_.reset();
    channelInfo_.reset();
    nickInfo_.reset();
    clientLink_.reset();
    StopNotify();
    mainFrame_.SetDccHandOff(nullptr);
    dcc_.reset();
    menus_.reset();
    GatherReactions();
    app_.ReactionTexts() = reactions_->Texts();
    reactions_.reset();
    scriptEvents_.reset();
    processor_.RemoveSource(scripts_->Commands());
    scripts_.reset();  // Shutdown functions may still call plug-in commands
    processor_.RemoveSource(*plugInCommands_);
    app_.ScPlugIns().Host().SetWindows(nullptr);
    status_.SetCommands(nullptr);
}

void CChatSession::StartPlugIns() {
    app_.ScPlugIns().Host().StartAll();
}

void CChatSession::SetPlugInViews(PlugInPictureViews* views) {
    plugInWindows_->SetViews(views);
}

ScriptRunContext CChatSession::CurrentWindow() {
    const std::string name = activeWindowName ? activeWindowName() : std::string();
    if (CChanWnd* channel = windows_.FindChannel(name)) return {*channel, channel->Name()};
    if (CMessageWnd* query = windows_.FindQuery(name)) return {*query, query->Name()};
    return {status_, ""};
}

void CChatSession::StartReactions() {
    reactions_ = std::make_unique<CReactionList>(app_.Loop(), app_.Network().WindowHandleOf(), app_.Variables(),
                                                 *scripts_);
    reactions_->SetColours(app_.Colours());
    if (std::optional<std::string> lost = reactions_->Load(app_.ReactionTexts()))
        app_.UI().ShowMessageBox({"Parlevox", *lost, MessageIcon::Exclamation, MessageButtons::Ok});
    scripts_->onInstalled = [this](CScriptModule& module) { reactions_->Install(module); };
    scripts_->onGather = [this](CScriptModule& module) { reactions_->Gather(module); };
    scripts_->onRemoved = [this](int32_t moduleId) { reactions_->RemoveOwnedBy(moduleId); };
    reactions_->RegisterAll();
}

// Script timers and hooks start from the commands only, so there is
// nothing to load; they end with the session.
void CChatSession::StartScriptEvents() {
    scriptEvents_ = std::make_unique<CScriptEventWindow>(app_.Loop(), app_.Network().WindowHandleOf(), app_.Timers(),
                                                         app_.Variables(), *scripts_);
    scriptEvents_->SetColours(app_.Colours());
    // The window goes before the modules' Shutdown functions run: what
    // they ask of it then does nothing.
    windows_.onStartScriptTimer = [this](int32_t seconds, const std::string& function, CommandOutput& output) {
        if (scriptEvents_) scriptEvents_->StartTimer(seconds, function, output);
    };
    windows_.onStopScriptTimers = [this](const std::string& function) {
        if (scriptEvents_) scriptEvents_->StopTimers(function);
    };
    windows_.onAddScriptHook = [this](const std::string& event, const std::string& filterSpec, int32_t priority,
                                      const std::string& function) {
        return scriptEvents_ ? scriptEvents_->AddHook(event, filterSpec, priority, function) : 0;
    };
    windows_.onRemoveScriptHooks = [this](const std::string& function) {
        if (scriptEvents_) scriptEvents_->RemoveHooks(function);
    };
}

void CChatSession::StartDcc(ChatWindowViews& views) {
    dccRelay_ = std::make_unique<DccRelay>();
    DccControlServices services {app_.Loop(), app_.Network().WindowHandleOf(), app_.Network().State(), app_.UI(),
                                  &app_.Sounds(), app_.ProgramFolder(), views.Dcc() ? *views.Dcc() : *dccRelay_,
                                  windows_, {}, {}, {}, {}};
    services.addIgnore = [this](const AddressRecord& sender, const std::string& reason) {
        const std::time_t now = Clock::Now();
        if (app_.Idiots().Check(sender, now) < 0) app_.Idiots().Add(sender, reason, true, now);
    };
    services.isFriend = [this](const AddressRecord& sender) {
        return FriendListOf(app_.Options().friends).IsFriend(sender);
    };
    services.showOfferHint = [this] {
        if (tips_) tips_->ShowOnce(mainframe_text::kDccOfferTip, dcc_text::kOfferHint);
    };
    services.optionsChanged = [this] { app_.SaveDccOptions(); };
    services.plugIns = &app_.DccPlugIns();
    services.recentAddresses = &app_.Network().Window().Recent();
    services.addIgnoreEntry = [this](const AddressRecord& address, const std::string& reason, bool exact) {
        const std::time_t now = Clock::Now();
        if (app_.Idiots().Check(address, now) < 0) app_.Idiots().Add(address, reason, exact, now);
    };
    dcc_ = std::make_unique<CDCCControl>(services, app_.Dcc());
    dccRelay_->control = dcc_.get();
    mainFrame_.SetDccHandOff(dccRelay_.get());
    windows_.onStartDcc = [this](const std::string& kind, const std::string& nick, const std::string& rest,
                                 CommandOutput&) {
        std::string problem;
        if (EqualsIgnoringCase(kind, "SEND")) dcc_->SendFile(nick, rest, problem);
        else if (EqualsIgnoringCase(kind, "CHAT")) dcc_->OfferChat(nick, problem);
        else return false;
        return true;
    };
    windows_.onChooseFileToSend = [this](const std::string& nick) {
        std::optional<std::string> file = app_.UI().ChooseOpenFile(kChooseFileTitle + nick, kAllFilesFilter);
        if (file) processor_.Run("/dcc SEND " + nick + " " + *file, {}, {}, status_);
        return true;
    };
    windows_.onViewFile = [this](const std::string& file, CommandOutput&) {
        std::string problem;
        if (std::optional<std::string> line = dcc_->ViewLine(file, problem))
            app_.Loop().PostMessage(app_.Network().WindowHandleOf(), WindowMessage(netmsg::kLineReceived, *line));
        return true;
    };
}

// The application's notify list outlives the session: its window, sound
// and commands are the session's for as long as it lasts.
void CChatSession::StartNotify() {
    CNotifyWatch& watch = app_.Notify();
    mainFrame_.SetNotifyWatch(&watch);
    for (const std::string& nick : watch.OnlineNicks()) notifyWindow_.Add(nick);
    watch.onOnlineChanged = [this](const std::string& nick, bool online) {
        if (online) notifyWindow_.Add(nick);
        else notifyWindow_.Remove(nick);
    };
    watch.onAllOffline = [this] { notifyWindow_.Clear(); };
    watch.onPeopleCameOrWent = [this] { app_.Sounds().Play(notifytext::kSoundEvent); };
    notifyWindow_.onOpenQuery = [this](const std::string& nick) { windows_.OpenQueryWindow(nick); };
    windows_.isonOutstanding = [this] { return app_.Notify().Outstanding(); };
    windows_.onChangeNotify = [this](const std::string& nick, bool remove, CommandOutput& output) {
        output.AddLine(remove ? app_.Notify().Remove(nick) : app_.Notify().Add(nick));
        return true;
    };
}

void CChatSession::StopNotify() {
    mainFrame_.SetNotifyWatch(nullptr);
    CNotifyWatch& watch = app_.Notify();
    watch.onOnlineChanged = {};
    watch.onAllOffline = {};
    watch.onPeopleCameOrWent = {};
}

void CChatSession::StartClientLink(ChatWindowViews& views) {
    CNetworkControl& network = app_.Network();
    clientLink_ = std::make_unique<CClientLinkRequests>(ClientLinkRequestServices {
        app_.Loop(), network.WindowHandleOf(), network.State(), app_.Colours(), status_,
        [this](const std::string& nick) { return dcc_->OpenChatListener(nick); }, [this] { return dcc_->OwnAddress(); },
        [this] { return YourInfoOf(app_); }});
    ctcp_.SetYourInfoHook([this](const AddressRecord& requester) { clientLink_->SendYourInfo(requester.nick); });
    windows_.onOpenClientLink = [this](const std::string& nick) {
        clientLink_->RequestChat(nick);
        return true;
    };
    nickInfo_ = std::make_unique<NickInfoDialogs>(
        NickInfoServices {app_.Loop(), network.WindowHandleOf(), network.Window().ClientLink()}, views.NickInfo());
    windows_.onOpenNickInfo = [this](const std::string& nick) { return nickInfo_->Open(nick); };
    const NickServServices nickServ {app_.Loop(), network.WindowHandleOf(), network.State(), app_.UI(),
                                     app_.Options(), [this] {
                                         app_.OptionsChanged();
                                         OptionsChanged();
                                     }};
    nickInfo_->SetNickServ(nickServ);
    nickRegistration_ = std::make_unique<CNickRegistration>(nickServ, processor_, status_);
}

// The dialogs' "/mode" lines run as typed in the status window; the
// passwords are the remembered channels' ("Channels").
void CChatSession::StartChannelInfo(ChatWindowViews& views) {
    ChannelInfoServices services {app_.Loop(), app_.Network().WindowHandleOf(), app_.Network().State(), app_.UI(),
                                  [this](const std::string& line) { processor_.Run(line, "", "", status_); },
                                  [this](const std::string& channel) {
                                      const ChannelSetting* setting =
                                          FindByName(app_.Options().channels, &ChannelSetting::name, channel);
                                      return setting ? setting->password : std::string();
                                  },
                                  [this](const std::string& channel, const std::string& password) {
                                      auto& channels = app_.Options().channels;
                                      ChannelSetting* setting = FindByName(channels, &ChannelSetting::name, channel);
                                      if (!setting) {
                                          channels.emplace_back();
                                          channels.back().name = channel;
                                          setting = &channels.back();
                                      }
                                      setting->password = password;
                                      app_.OptionsChanged();
                                  }};
    channelInfo_ = std::make_unique<ChannelInfoDialogs>(services, views.ChannelInfo());
    channelInfo_->SetSettings(ChannelServicesOf(app_));
    windows_.onOpenChannelInfo = [this](const std::string& channel) { return channelInfo_->Open(channel); };
}

void CChatSession::GatherReactions() {
    for (const InstalledModule& installed : app_.Modules().Modules()) {
        CScriptModule& module = *installed.module;
        const std::vector<std::string> before = module.Reactions();
        reactions_->Gather(module);
        if (module.Reactions() != before) module.MarkModified();
    }
}

// Added as the preferences page adds one: into the options record, which
// is saved, and on to everything that holds the friends.
void CChatSession::ServeFriends() {
    windows_.friends = [this] {
        std::vector<FriendRecord> records;
        for (const FriendEntry& entry : app_.Options().friends)
            records.push_back(FriendRecord {entry.nickname, entry.mask, entry.level});
        return records;
    };
    windows_.onAddFriend = [this](const FriendRecord& record) {
        app_.Options().friends.push_back(FriendEntry {record.nickname, record.mask, record.level});
        app_.OptionsChanged();
        OptionsChanged();
        return true;
    };
}

void CChatSession::TurnTipsOff() {
    mainFrame_.SetTips(nullptr);
    tips_.reset();
}

void CChatSession::ChannelOpened(CChanWnd& window) {
    const ChannelSetting* setting = FindByName(app_.Options().channels, &ChannelSetting::name, window.Channel());
    if (setting && setting->logging) window.StartLog();
}

void CChatSession::TopicChanged(const std::string& channel, const std::string& topic) {
    FavouriteChannel* favourite = FindByName(app_.Options().favourites, &FavouriteChannel::channel, channel);
    if (!favourite || favourite->topic == topic) return;
    favourite->topic = topic;
    app_.OptionsChanged();
}

void CChatSession::SetLogging(CChanWnd& window, bool on) {
    if (on) window.StartLog();
    else window.StopLog();
    auto& channels = app_.Options().channels;
    ChannelSetting* setting = FindByName(channels, &ChannelSetting::name, window.Channel());
    if (!setting) {
        channels.emplace_back();
        channels.back().name = window.Channel();
        setting = &channels.back();
    }
    setting->logging = window.Logging();
    app_.OptionsChanged();
}

void CChatSession::OptionsChanged() {
    scripts_->SetColours(app_.Colours());
    reactions_->SetColours(app_.Colours());
    scriptEvents_->SetColours(app_.Colours());
    processor_.SetSettings(CommandSettingsOf(app_));
    mainFrame_.SetSettings(MainFrameSettingsOf(app_));
    ctcp_.SetSettings(CTCPSettingsOf(app_));
    ignore_.Check().SetFriends(FriendListOf(app_.Options().friends));
    windows_.SetDoubleClickCommand(app_.Options().misc.doubleClickCommand);
    status_.Pane().Model().SetMarking(MarkingOf(app_));
    channelInfo_->SetSettings(ChannelServicesOf(app_));
}

}  // namespace parlevox
