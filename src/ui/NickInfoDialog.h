#pragma once
// The nick information dialog ("/nickinfo nick", the default double-click
// command): a dialog per nick whose pages each show something about the
// nick. The front end gives each dialog its view; `NickInfoDialogs` owns
// the open ones and destroys a dialog whose view asked to close after that
// request has returned.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/NickInfoNickServ.h"
#include "ui/NickInfoUserinfo.h"

namespace parlevox {

class CNickInfoDialog;

// The front end's dialog; owned by the core dialog.
class NickInfoView {
public:
    virtual ~NickInfoView() = default;
    // Show the dialog, or bring it to the front; the page on view is told
    // it is shown.
    virtual void Show() = 0;
};

class NickInfoViews {
public:
    virtual ~NickInfoViews() = default;
    virtual std::unique_ptr<NickInfoView> MakeNickInfoView(CNickInfoDialog& dialog) = 0;
};

class CNickInfoDialog {
public:
    // nickServ: none, and the dialog has no NickServ page.
    CNickInfoDialog(const NickInfoServices& services, const std::string& nick,
                    const NickServServices* nickServ = nullptr);
    // The view goes first: it holds the pages' views.
    ~CNickInfoDialog();

    const std::string& Nick() const { return userinfo_.Nick(); }
    CNickInfoUserinfo& Userinfo() { return userinfo_; }
    CNickInfoNickServ* NickServ() { return nickServ_.get(); }
    NickInfoView* View() const { return view_.get(); }
    void SetView(std::unique_ptr<NickInfoView> view) { view_ = std::move(view); }

    // The person closed the dialog: it stops listening now and goes later.
    void RequestClose();
    std::function<void()> onCloseRequested;

private:
    CNickInfoUserinfo userinfo_;
    std::unique_ptr<CNickInfoNickServ> nickServ_;
    std::unique_ptr<NickInfoView> view_;
};

class NickInfoDialogs {
public:
    // views: none, and no dialog opens.
    NickInfoDialogs(const NickInfoServices& services, NickInfoViews* views) : services_(services), views_(views) {}
    ~NickInfoDialogs();

    // Opens the nick's dialog, or brings its open one forward; false
    // without views.
    bool Open(const std::string& nick);
    // Dialogs opened from now on get the NickServ page.
    void SetNickServ(const NickServServices& services) { nickServ_.emplace(services); }
    size_t Count() const { return dialogs_.size(); }

private:
    void Forget(CNickInfoDialog* dialog);

    NickInfoServices services_;
    std::optional<NickServServices> nickServ_;
    NickInfoViews* views_;
    std::vector<std::unique_ptr<CNickInfoDialog>> dialogs_;
};

}  // namespace parlevox
