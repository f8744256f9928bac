#pragma once
// The channel information dialog ("/chaninfo #channel"): what the network's
// ChanServ knows about a channel, on five pages (information and settings,
// AOPs, SOPs, AKICKs, bans). The dialog holds the channel and the user's
// access level; each page talks to the services itself and tells the view
// when it changed. `ChannelInfoDialogs` owns the open dialogs.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/ChannelAccessList.h"
#include "ui/ChannelBans.h"
#include "ui/ChannelInfoContext.h"
#include "ui/ChannelInfoMain.h"

namespace parlevox {

class CChannelInfoDialog;

// The front end's dialog; owned by the core dialog.
class ChannelInfoView {
public:
    virtual ~ChannelInfoView() = default;
    // Show the dialog, or bring it to the front.
    virtual void Show() = 0;
    // Something any page shows changed: fields, lists, the access level,
    // what may be used.
    virtual void Changed() = 0;
};

class ChannelInfoViews {
public:
    virtual ~ChannelInfoViews() = default;
    virtual std::unique_ptr<ChannelInfoView> MakeChannelInfoView(CChannelInfoDialog& dialog) = 0;
};

class CChannelInfoDialog final : public ChannelInfoContext {
public:
    CChannelInfoDialog(const ChannelInfoServices& services, const ChannelServicesSettings& settings,
                       std::string channel);
    // The view goes first: it reads the pages.
    ~CChannelInfoDialog() override;

    std::string Title() const;
    const std::string& Channel() const override { return channel_; }
    int AccessLevel() const override { return level_; }
    const std::string& AccessText() const { return accessText_; }
    bool ServicesUp() const override { return servicesUp_; }

    CChannelInfoMain& Main() { return main_; }
    CChannelAccessList& Aops() { return aops_; }
    CChannelAccessList& Sops() { return sops_; }
    CChannelAccessList& Akicks() { return akicks_; }
    CChannelBans& Bans() { return bans_; }

    ChannelInfoView* View() const { return view_.get(); }
    void SetView(std::unique_ptr<ChannelInfoView> view) { view_ = std::move(view); }

    // The person closed the dialog: every page stops listening now and the
    // dialog goes later.
    void RequestClose();
    std::function<void()> onCloseRequested;

    // ChannelInfoContext.
    const ChannelInfoServices& Services() const override { return services_; }
    const ChannelServicesSettings& Settings() const override { return settings_; }
    void SetAccessLevel(int level) override;
    void ClearAccess() override;
    void SetServicesUp(bool up) override;
    bool ListPageWaiting() const override;
    void Changed() override;

private:
    ChannelInfoServices services_;
    ChannelServicesSettings settings_;
    std::string channel_;
    int level_ = access_level::kNormal;
    std::string accessText_;
    bool servicesUp_ = true;
    CChannelInfoMain main_;
    CChannelAccessList aops_;
    CChannelAccessList sops_;
    CChannelAccessList akicks_;
    CChannelBans bans_;
    std::unique_ptr<ChannelInfoView> view_;
};

class ChannelInfoDialogs {
public:
    // views: none, and no dialog opens.
    ChannelInfoDialogs(const ChannelInfoServices& services, ChannelInfoViews* views)
        : services_(services), views_(views) {}
    ~ChannelInfoDialogs();

    // Dialogs opened from now on use these.
    void SetSettings(const ChannelServicesSettings& settings) { settings_ = settings; }
    // Opens the channel's dialog, or brings its open one forward; false
    // without views or without a channel name.
    bool Open(const std::string& channel);
    size_t Count() const { return dialogs_.size(); }

private:
    void Forget(CChannelInfoDialog* dialog);

    ChannelInfoServices services_;
    ChannelServicesSettings settings_;
    ChannelInfoViews* views_;
    std::vector<std::unique_ptr<CChannelInfoDialog>> dialogs_;
};

}  // namespace parlevox
