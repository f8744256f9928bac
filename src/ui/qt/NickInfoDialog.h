#pragma once
// The nick information dialog's window: titled after the nick, one tab per
// page ("User info", the "Your Info" texts the nick's client sent; and
// "NickServ", what NickServ knows of the nick, when the dialog has it).
// The core dialog owns it; closing it only asks the core dialog to go.
#include <QDialog>
#include <array>

#include "ui/NickInfoDialog.h"

class QLabel;
class QLineEdit;
class QTabWidget;

namespace parlevox {

class NickInfoNickServTab;

// The "User info" tab: the page's state line and its six fields, read-only.
class NickInfoUserinfoTab final : public QWidget, public NickInfoUserinfoView {
    Q_OBJECT

public:
    explicit NickInfoUserinfoTab(CNickInfoUserinfo& page, QWidget* parent = nullptr);
    ~NickInfoUserinfoTab() override;

    CNickInfoUserinfo& Page() { return page_; }
    void UserinfoChanged() override;

    QLabel& StateLabel() { return *state_; }
    QLineEdit& Field(int index) { return *fields_[static_cast<size_t>(index)]; }

private:
    CNickInfoUserinfo& page_;
    QLabel* state_;
    std::array<QLineEdit*, CNickInfoUserinfo::kFields> fields_ {};
};

class NickInfoDialog final : public QDialog, public NickInfoView {
    Q_OBJECT

public:
    // A top-level window: its owner is the core dialog, not a parent widget.
    explicit NickInfoDialog(CNickInfoDialog& dialog);
    ~NickInfoDialog() override;

    void Show() override;
    void done(int result) override;

    QTabWidget& Tabs() { return *tabs_; }
    NickInfoUserinfoTab& UserinfoTab() { return *userinfo_; }
    // None when the dialog has no NickServ page.
    NickInfoNickServTab* NickServTab() { return nickServ_; }

private:
    // The page on view asks again each time it comes into view.
    void PageShown(int index);

    CNickInfoDialog& dialog_;
    QTabWidget* tabs_;
    NickInfoUserinfoTab* userinfo_;
    NickInfoNickServTab* nickServ_ = nullptr;
};

}  // namespace parlevox
