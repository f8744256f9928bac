#pragma once
// The nick information dialog's window: titled after the nick, one tab per
// page (for now "User info", the "Your Info" texts the nick's client sent).
// The core dialog owns it; closing it only asks the core dialog to go.
#include <QDialog>
#include <array>

#include "ui/NickInfoDialog.h"

class QLabel;
class QLineEdit;
class QTabWidget;

namespace parlevox {

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

private:
    // The page on view asks again each time it comes into view.
    void PageShown(int index);

    CNickInfoDialog& dialog_;
    QTabWidget* tabs_;
    NickInfoUserinfoTab* userinfo_;
};

}  // namespace parlevox
