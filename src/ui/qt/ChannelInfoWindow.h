#pragma once
// The channel information window: "<channel> Channel Information" with the
// tabs Information, AOPs, SOPs, AKICKs and Bans over a core
// `CChannelInfoDialog`, and a Close button. The core dialog owns it;
// closing it only asks the core dialog to go.
#include <QDialog>

#include "ui/ChannelInfoDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace parlevox {

class ChannelListTab;

// The Information tab: the registration details, the settings (editable by
// the founder), Apply, and the founder's buttons.
class ChannelMainTab final : public QWidget {
    Q_OBJECT

public:
    ChannelMainTab(CChannelInfoDialog& dialog, QWidget* parent = nullptr);
    void Refresh();

    QLabel& AccessLabel() { return *access_; }
    QLineEdit& Description() { return *description_; }
    QPushButton& ApplyButton() { return *apply_; }
    QPushButton& FounderButton() { return *founder_; }

private:
    QLineEdit* ReadOnlyField();

    CChannelInfoDialog& dialog_;
    CChannelInfoMain& page_;
    QLabel* access_;
    QLineEdit* founderName_;
    QLineEdit* registered_;
    QLineEdit* lastOpping_;
    QLineEdit* description_;
    QLineEdit* url_;
    QPushButton* openUrl_;
    QLineEdit* modeLock_;
    QCheckBox* ident_;
    QCheckBox* restricted_;
    QComboBox* topicLock_;
    QComboBox* memoLevel_;
    QPushButton* apply_;
    QPushButton* founder_;
    QPushButton* password_;
};

class ChannelInfoWindow final : public QDialog, public ChannelInfoView {
    Q_OBJECT

public:
    // A top-level window: its owner is the core dialog, not a parent widget.
    explicit ChannelInfoWindow(CChannelInfoDialog& dialog);
    ~ChannelInfoWindow() override;

    void Show() override;
    void Changed() override;
    void done(int result) override;

    CChannelInfoDialog& Dialog() { return dialog_; }
    QTabWidget& Tabs() { return *tabs_; }
    ChannelMainTab& MainTab() { return *main_; }
    ChannelListTab& ListTab(int index) { return *lists_[index]; }

private:
    void PageShown(int index);

    CChannelInfoDialog& dialog_;
    QTabWidget* tabs_;
    ChannelMainTab* main_;
    ChannelListTab* lists_[4] {};
};

}  // namespace parlevox
