#include "ui/qt/JoinWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/UserInterface.h"
#include "settings/OptionsRecord.h"
#include "ui/FavouriteChannels.h"
#include "ui/qt/AllChannelsPage.h"
#include "ui/qt/CategoriesPage.h"
#include "ui/qt/FavouritesPage.h"
#include "ui/qt/JoinChannelPage.h"
#include "ui/qt/JoinWindowTexts.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

JoinWindow::JoinWindow(JoinWindowContext context, QWidget* parent) : QDialog(parent), context_(std::move(context)) {
    setWindowTitle(tr(texts::kJoinTitle));
    auto join = [this](const std::string& channel) { JoinChannel(channel); };
    auto addFavourite = [this](const std::string& channel) { AddFavourite(channel); };
    joinPage_ = new JoinChannelPage(
        context_.options,
        [this](const std::string& line) {
            accept();
            if (context_.joinLine) context_.joinLine(line);
        },
        this);
    categories_ = new CategoriesPage(context_.categories, join, addFavourite, this);
    allChannels_ = new AllChannelsPage(context_, join, addFavourite, this);
    favourites_ = new FavouritesPage(context_, join, this);
    joinPage_->setObjectName("joinPage");
    categories_->setObjectName("categoriesPage");
    allChannels_->setObjectName("allChannels");
    favourites_->setObjectName("favouritesPage");

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("pages");
    tabs_->addTab(joinPage_, tr(jointext::kJoinTab));
    tabs_->addTab(categories_, tr(jointext::kCategoriesTab));
    tabs_->addTab(allChannels_, tr(jointext::kAllChannelsTab));
    tabs_->addTab(favourites_, tr(jointext::kFavouritesTab));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    resize(680, 480);

    connect(tabs_, &QTabWidget::currentChanged, this, &JoinWindow::PageChanged);
    PageChanged(kJoinPage);
    joinPage_->FocusChannel();
}

JoinWindow::~JoinWindow() = default;

std::string JoinWindow::JoinCommand(std::string_view channel, std::string_view key) {
    return JoinChannelPage::JoinCommand(channel, key);
}

void JoinWindow::ShowPage(Page page) {
    tabs_->setCurrentIndex(page);
}

// A closed window lists no more.
void JoinWindow::done(int result) {
    allChannels_->Leave();
    QDialog::done(result);
}

void JoinWindow::JoinChannel(const std::string& channel) {
    if (context_.joinLine) context_.joinLine(JoinCommand(channel, {}));
}

void JoinWindow::AddFavourite(const std::string& channel) {
    if (FavouriteChannels::Add(context_.options.favourites, channel) && context_.optionsChanged)
        context_.optionsChanged();
    favourites_->Reload();
    context_.ui.ShowMessageBox({favourites_text::kAddedTitle, favourites_text::kAdded, MessageIcon::Information});
}

// Enter presses the shown page's Join; leaving "All channels" stops its
// listing.
void JoinWindow::PageChanged(int index) {
    if (shown_ == kAllChannelsPage && index != kAllChannelsPage) allChannels_->Leave();
    if (index == kFavouritesPage) favourites_->Reload();
    shown_ = index;
    QPushButton* const defaults[] = {joinPage_->JoinButton(), categories_->JoinButton(), allChannels_->JoinButton(),
                                     favourites_->JoinButton()};
    for (int i = 0; i < 4; ++i) {
        defaults[i]->setAutoDefault(i == index);
        defaults[i]->setDefault(i == index);
    }
}

}  // namespace parlevox
