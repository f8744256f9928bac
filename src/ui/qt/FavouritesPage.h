#pragma once
// The join window's "Favourite channels" page: the favourites with their
// topics and auto-join switches. Every change goes into the options record
// at once and is saved.
#include <QWidget>
#include <functional>
#include <string>

class QPushButton;
class QTreeWidget;

namespace parlevox {

struct JoinWindowContext;

class FavouritesPage final : public QWidget {
    Q_OBJECT

public:
    using ChannelAction = std::function<void(const std::string& channel)>;

    FavouritesPage(JoinWindowContext& context, ChannelAction join, QWidget* parent = nullptr);

    QPushButton* JoinButton() const { return join_; }
    // Shows the record's favourites again (after another page added one).
    void Reload();

private:
    void Add();
    void Remove();
    void AutoJoinToggled(int row, bool on);
    int SelectedRow() const;
    void SelectionChanged();

    JoinWindowContext& context_;
    ChannelAction joinChannel_;
    QTreeWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* join_;
    bool loading_ = false;
};

}  // namespace parlevox
