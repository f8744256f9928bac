#include "ui/qt/PreferencesDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/ColoursPage.h"
#include "ui/qt/DccPage.h"
#include "ui/qt/FriendsPage.h"
#include "ui/qt/IdiotsPage.h"
#include "ui/qt/MiscPage.h"
#include "ui/qt/NicknamesPage.h"
#include "ui/qt/PlugInsPage.h"
#include "ui/qt/PreferencesTexts.h"
#include "ui/qt/SchemesPage.h"
#include "ui/qt/ServersPage.h"
#include "ui/qt/SoundsPage.h"
#include "ui/qt/YourInfoPage.h"

namespace parlevox {

PreferencesDialog::PreferencesDialog(PreferencesContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), list_(new QListWidget(this)), stack_(new QStackedWidget(this)) {
    setWindowTitle(tr(texts::kPreferencesTitle));
    pages_ = {new NicknamesPage(context_), new ServersPage(context_), new YourInfoPage(context_),
              new ColoursPage(context_),   new SchemesPage(context_), new MiscPage(context_),
              new SoundsPage(context_),    new IdiotsPage(context_),  new FriendsPage(context_)};
    for (size_t i = 0; i < pages_.size(); ++i) ids_.push_back(static_cast<Page>(i));
    if (context_.dcc) {
        pages_.push_back(new DccPage(context_));
        ids_.push_back(Page::Dcc);
    }
    if (context_.scPlugIns) {
        pages_.push_back(new PlugInsPage(context_));
        ids_.push_back(Page::PlugIns);
    }
    for (size_t i = 0; i < pages_.size(); ++i) {
        list_->addItem(tr(texts::kPreferencesPages[static_cast<size_t>(ids_[i])]));
        stack_->addWidget(pages_[i]);
    }
    list_->setObjectName("pages");
    list_->setFixedWidth(list_->sizeHintForColumn(0) + 24);  // never squeezed by a wide page
    connect(list_, &QListWidget::currentRowChanged, stack_, &QStackedWidget::setCurrentIndex);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* body = new QHBoxLayout;
    body->addWidget(list_);
    body->addWidget(stack_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    LoadPages();
    list_->setCurrentRow(0);
    list_->setFocus();
}

// The pages hold the context by reference: they go before it does.
PreferencesDialog::~PreferencesDialog() {
    delete stack_;
}

void PreferencesDialog::ShowPage(Page page) {
    auto found = std::find(ids_.begin(), ids_.end(), page);
    if (found != ids_.end()) list_->setCurrentRow(static_cast<int>(found - ids_.begin()));
}

PreferencesDialog::Page PreferencesDialog::CurrentPage() const {
    return ids_.at(static_cast<size_t>(stack_->currentIndex()));
}

PreferencesPage& PreferencesDialog::PageWidget(Page page) const {
    auto found = std::find(ids_.begin(), ids_.end(), page);
    return *pages_.at(static_cast<size_t>(found - ids_.begin()));
}

void PreferencesDialog::showEvent(QShowEvent* event) {
    LoadPages();
    QDialog::showEvent(event);
}

void PreferencesDialog::LoadPages() {
    for (PreferencesPage* page : pages_) page->Load();
}

}  // namespace parlevox
