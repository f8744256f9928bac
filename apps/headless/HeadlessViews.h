#pragma once
// The headless client's views: every line a window adds to its pane goes to
// standard output as "<window><TAB><text>", the window being the channel,
// the query partner's current nick, or "~Status".
#include <memory>
#include <string>

#include "ConsoleOutput.h"
#include "dcc/DCCQueryWnd.h"
#include "dcc/DCCWnd.h"
#include "ui/ChatWindows.h"
#include "ui/NickInfoDialog.h"
#include "ui/StatusWindow.h"

namespace parlevox {

class HeadlessView final : public ChatWindowView {
public:
    HeadlessView(ConsoleOutput& output, std::string name) : output_(output), name_(std::move(name)) {}

    void Attach(const CChatWindow& window) { window_ = &window; }
    void LineAdded(std::string_view text) override { output_.WriteLine(window_ ? window_->Name() : name_, text); }
    void CaptionChanged(const std::string&) override {}
    void InputEnabled(bool) override {}
    void CloseRequested() override {}

private:
    ConsoleOutput& output_;
    std::string name_;
    const CChatWindow* window_ = nullptr;
};

// A transfer prints its state line when it changes, not every block:
// "<file - nick><TAB>Connected OK", "... Completed OK".
class HeadlessProgressView final : public DccProgressView {
public:
    explicit HeadlessProgressView(ConsoleOutput& output) : output_(output) {}
    void Updated(const CDCCWnd& window) override {
        const std::vector<DccProgressLine> lines = window.Lines();
        if (lines.empty() || lines.back().text == last_) return;
        last_ = lines.back().text;
        output_.WriteLine(window.Title(), last_);
    }

private:
    ConsoleOutput& output_;
    std::string last_;
};

// An offer that waits for a person says so; the button's label follows.
class HeadlessQueryView final : public DccQueryView {
public:
    explicit HeadlessQueryView(ConsoleOutput& output) : output_(output) {}
    void Updated(const CDCCQueryWnd& window) override {
        if (window.ButtonLabel() == last_) return;
        last_ = window.ButtonLabel();
        output_.WriteLine(window.Title(), std::string(CDCCQueryWnd::kBoxTitle) + ": " + last_);
    }

private:
    ConsoleOutput& output_;
    std::string last_;
};

// "/nickinfo": the user page's progress and, once they arrive, its fields
// ("Age: 30"), as status lines; and what NickServ said of the nick, once
// its answer is complete (the page keeps the lines it read from the status
// window).
class HeadlessNickInfoView final : public NickInfoView, public NickInfoUserinfoView, public NickInfoNickServView {
public:
    HeadlessNickInfoView(ConsoleOutput& output, CNickInfoDialog& dialog)
        : output_(output), page_(dialog.Userinfo()), nickServ_(dialog.NickServ()) {
        page_.SetView(this);
        if (nickServ_) nickServ_->SetView(this);
    }
    ~HeadlessNickInfoView() override {
        if (nickServ_) nickServ_->SetView(nullptr);
    }
    void NickServChanged() override {
        if (nickServ_->Waiting() || nickServShown_) return;
        nickServShown_ = true;
        Write(nickServ_->Title() + ": " + nickServ_->Description());
        Write(nickServ_->Address() + " " + nickServ_->AddressSecondLine());
    }
    void Show() override { page_.Shown(); }
    void UserinfoChanged() override {
        if (const std::string line = page_.StateLine(); !line.empty()) return Write(line);
        if (page_.GetState() != CNickInfoUserinfo::State::kArrived) return;
        for (const auto& [label, value] : page_.Fields()) Write(std::string(label) + ": " + value);
    }

private:
    void Write(const std::string& line) { output_.WriteLine(CStatusWindow::kName, line); }

    ConsoleOutput& output_;
    CNickInfoUserinfo& page_;
    CNickInfoNickServ* nickServ_;
    bool nickServShown_ = false;
};

class HeadlessViews final : public ChatWindowViews, public DccViews, public NickInfoViews {
public:
    explicit HeadlessViews(ConsoleOutput& output) : output_(output) {}

    DccViews* Dcc() override { return this; }
    NickInfoViews* NickInfo() override { return this; }
    std::unique_ptr<NickInfoView> MakeNickInfoView(CNickInfoDialog& dialog) override {
        return std::make_unique<HeadlessNickInfoView>(output_, dialog);
    }
    std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd&) override {
        return std::make_unique<HeadlessProgressView>(output_);
    }
    std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd&) override {
        return std::make_unique<HeadlessQueryView>(output_);
    }

    std::unique_ptr<ChatWindowView> MakeView(ChatWindowKind, const std::string& name) override {
        return std::make_unique<HeadlessView>(output_, name);
    }
    void Opened(ChatWindowView& view, CChatWindow& window) override {
        static_cast<HeadlessView&>(view).Attach(window);
    }

private:
    ConsoleOutput& output_;
};

}  // namespace parlevox
