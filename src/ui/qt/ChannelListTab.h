#pragma once
// One list page of the channel information window (AOPs, SOPs, AKICKs,
// bans): the page's state line while it waits, its entries in columns
// (split at the tab), and Add, Delete, Refresh (and, for bans, Clear all).
// The page itself is a core object reached through `ChannelListTabPage`.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace parlevox {

struct ChannelListTabPage {
    std::function<const std::vector<std::string>&()> entries;
    std::function<int()> selected;
    std::function<void(int)> select;
    std::function<std::string()> stateLine;
    std::function<bool()> canAdd;
    std::function<bool()> canDelete;
    std::function<bool()> canClear;  // none: no "Clear all" button
    std::function<void()> add;
    std::function<void()> remove;
    std::function<void()> clear;
    std::function<void()> activate;
};

class ChannelListTab final : public QWidget {
    Q_OBJECT

public:
    ChannelListTab(ChannelListTabPage page, const QStringList& columns, QWidget* parent = nullptr);

    // The page came into view (or Refresh): it lists again.
    void Activate();
    // Shows what the page holds now.
    void Refresh();

    QTreeWidget& List() { return *list_; }
    QLabel& StateLabel() { return *state_; }
    QPushButton& AddButton() { return *add_; }
    QPushButton& DeleteButton() { return *delete_; }
    QPushButton& RefreshButton() { return *refresh_; }
    QPushButton* ClearButton() { return clear_; }

private:
    ChannelListTabPage page_;
    std::vector<std::string> shown_;
    QLabel* state_;
    QProgressBar* busy_;
    QTreeWidget* list_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* refresh_;
    QPushButton* clear_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace parlevox
