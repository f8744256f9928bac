#pragma once
// The join window: a tabbed dialog to join a channel typed in ("Join"),
// picked from the category file ("Categories"), from the server's list
// ("All channels") or from the favourites ("Favourite channels"). Joining
// hands the caller a "/join" command line; the list pages stay open for
// more, the "Join" page closes the window.
#include <QDialog>
#include <string>
#include <string_view>

#include "ui/qt/JoinWindowContext.h"

class QTabWidget;

namespace parlevox {

class AllChannelsPage;
class CategoriesPage;
class FavouritesPage;
class JoinChannelPage;

class JoinWindow final : public QDialog {
    Q_OBJECT

public:
    enum Page { kJoinPage, kCategoriesPage, kAllChannelsPage, kFavouritesPage };

    explicit JoinWindow(JoinWindowContext context, QWidget* parent = nullptr);
    ~JoinWindow() override;

    void ShowPage(Page page);
    void done(int result) override;

    // "/join #chan key": a '#' goes before a name without a channel prefix.
    static std::string JoinCommand(std::string_view channel, std::string_view key);

private:
    void JoinChannel(const std::string& channel);
    void AddFavourite(const std::string& channel);
    void PageChanged(int index);

    JoinWindowContext context_;
    QTabWidget* tabs_;
    JoinChannelPage* joinPage_;
    CategoriesPage* categories_;
    AllChannelsPage* allChannels_;
    FavouritesPage* favourites_;
    int shown_ = kJoinPage;
};

}  // namespace parlevox
