#pragma once
// The join window's "Categories" page: the category file's tree with its
// icons, each channel with its description. A channel is joined with a
// double-click or "Join", and can be made a favourite.
#include <QHash>
#include <QIcon>
#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace parlevox {

class MajorChannels;
struct ChannelCategory;

class CategoriesPage final : public QWidget {
    Q_OBJECT

public:
    using ChannelAction = std::function<void(const std::string& channel)>;

    // Null categories: the page says none were loaded.
    CategoriesPage(const MajorChannels* categories, ChannelAction join, ChannelAction addFavourite,
                   QWidget* parent = nullptr);

    QPushButton* JoinButton() const { return join_; }
    // The selected channel; empty for a category or nothing.
    std::string SelectedChannel() const;

    static constexpr int kIconSize = 24;
    // Past this many entries only the first level opens at the start.
    static constexpr int kExpandAllUpTo = 500;

private:
    void Fill(const MajorChannels& categories);
    void AddChildren(QTreeWidgetItem* parent, const ChannelCategory& category, const MajorChannels& categories);
    QIcon IconFor(const std::string& name, const MajorChannels& categories);
    void SelectionChanged();

    ChannelAction joinChannel_;
    ChannelAction addFavourite_;
    QTreeWidget* tree_;
    QPushButton* join_;
    QPushButton* favourite_;
    QHash<QString, QIcon> icons_;  // each icon converted once
    int entries_ = 0;
};

}  // namespace parlevox
