#include "ui/qt/ChannelInfoWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/ChannelServicesTexts.h"
#include "ui/qt/ChannelListTab.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

using TopicLock = CChannelInfoMain::TopicLock;

void SetText(QLineEdit* edit, const std::string& text) {
    const QString value = ToQString(text);
    if (edit->text() != value) edit->setText(value);
}

ChannelListTabPage AccessListPage(CChannelAccessList& list) {
    return {[&list]() -> const std::vector<std::string>& { return list.Entries(); },
            [&list] { return list.Selected(); },
            [&list](int index) { list.Select(index); },
            [&list] { return list.StateLine(); },
            [&list] { return list.CanAdd(); },
            [&list] { return list.CanDelete(); },
            {},
            [&list] { list.Add(); },
            [&list] { list.Delete(); },
            {},
            [&list] { list.Activate(); }};
}

ChannelListTabPage BansPage(CChannelBans& bans) {
    return {[&bans]() -> const std::vector<std::string>& { return bans.Entries(); },
            [&bans] { return bans.Selected(); },
            [&bans](int index) { bans.Select(index); },
            [&bans] { return bans.StateLine(); },
            [&bans] { return bans.CanAdd(); },
            [&bans] { return bans.CanDelete(); },
            [&bans] { return bans.CanClear(); },
            [&bans] { bans.Add(); },
            [&bans] { bans.Delete(); },
            [&bans] { bans.ClearAll(); },
            [&bans] { bans.Activate(); }};
}

}  // namespace

ChannelMainTab::ChannelMainTab(CChannelInfoDialog& dialog, QWidget* parent)
    : QWidget(parent), dialog_(dialog), page_(dialog.Main()), access_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* details = new QFormLayout;
    details->addRow(tr("Your access:"), access_);
    founderName_ = ReadOnlyField();
    details->addRow(tr("Founder:"), founderName_);
    registered_ = ReadOnlyField();
    details->addRow(tr("Registered:"), registered_);
    lastOpping_ = ReadOnlyField();
    details->addRow(tr("Last opping:"), lastOpping_);
    layout->addLayout(details);

    auto* settings = new QGroupBox(tr("Settings"), this);
    auto* form = new QFormLayout(settings);
    description_ = new QLineEdit(settings);
    form->addRow(tr("&Description:"), description_);
    auto* urlRow = new QHBoxLayout;
    url_ = new QLineEdit(settings);
    openUrl_ = new QPushButton(tr("&Open"), settings);
    urlRow->addWidget(url_, 1);
    urlRow->addWidget(openUrl_);
    // A row that is a layout gets no mnemonic of its own: the label needs its buddy.
    auto* urlLabel = new QLabel(tr("&URL:"), settings);
    urlLabel->setBuddy(url_);
    form->addRow(urlLabel, urlRow);
    modeLock_ = new QLineEdit(settings);
    form->addRow(tr("&Mode lock:"), modeLock_);
    topicLock_ = new QComboBox(settings);
    topicLock_->addItems({tr("Off"), tr("SOPs and founder"), tr("Founder only")});
    form->addRow(tr("&Topic lock:"), topicLock_);
    memoLevel_ = new QComboBox(settings);
    memoLevel_->addItems({tr("AOPs"), tr("SOPs")});
    form->addRow(tr("Me&mos from:"), memoLevel_);
    ident_ = new QCheckBox(tr("Operators must &identify to their nicknames"), settings);
    form->addRow(ident_);
    restricted_ = new QCheckBox(tr("&Restricted: only operators may join"), settings);
    form->addRow(restricted_);
    apply_ = new QPushButton(tr("&Apply"), settings);
    auto* applyRow = new QHBoxLayout;
    applyRow->addStretch();
    applyRow->addWidget(apply_);
    form->addRow(applyRow);
    layout->addWidget(settings);

    auto* founderRow = new QHBoxLayout;
    founder_ = new QPushButton(this);
    password_ = new QPushButton(chanserv_text::kChangePassword, this);
    founderRow->addWidget(founder_);
    founderRow->addWidget(password_);
    founderRow->addStretch();
    layout->addLayout(founderRow);
    layout->addStretch();

    auto edited = [this](auto&& apply) {
        return [this, apply](auto&&... value) {
            apply(value...);
            Refresh();
        };
    };
    connect(description_, &QLineEdit::textEdited, this,
            edited([this](const QString& text) { page_.SetDescription(ToBytes(text)); }));
    connect(url_, &QLineEdit::textEdited, this, edited([this](const QString& text) { page_.SetUrl(ToBytes(text)); }));
    connect(modeLock_, &QLineEdit::textEdited, this,
            edited([this](const QString& text) { page_.SetModeLock(ToBytes(text)); }));
    connect(ident_, &QCheckBox::toggled, this, edited([this](bool on) { page_.SetIdent(on); }));
    connect(restricted_, &QCheckBox::toggled, this, edited([this](bool on) { page_.SetRestricted(on); }));
    connect(topicLock_, &QComboBox::activated, this,
            edited([this](int index) { page_.SetTopicLock(static_cast<TopicLock>(index)); }));
    connect(memoLevel_, &QComboBox::activated, this, edited([this](int index) { page_.SetMemoSop(index == 1); }));
    connect(apply_, &QPushButton::clicked, this, [this] { page_.Apply(); });
    connect(founder_, &QPushButton::clicked, this, [this] { page_.FounderButton(); });
    connect(password_, &QPushButton::clicked, this, [this] { page_.ChangePassword(); });
    connect(openUrl_, &QPushButton::clicked, this, [this] { page_.OpenUrl(); });
    Refresh();
}

QLineEdit* ChannelMainTab::ReadOnlyField() {
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setFrame(false);
    return field;
}

void ChannelMainTab::Refresh() {
    const CChannelInfoMain::Fields& fields = page_.Values();
    access_->setText(ToQString(dialog_.AccessText()));
    SetText(founderName_, fields.founder);
    SetText(registered_, fields.registered);
    SetText(lastOpping_, fields.lastOpping);
    SetText(description_, fields.description);
    SetText(url_, fields.url);
    SetText(modeLock_, fields.modeLock);
    {
        const QSignalBlocker identBlock(ident_), restrictedBlock(restricted_);
        ident_->setChecked(fields.ident);
        restricted_->setChecked(fields.restricted);
    }
    topicLock_->setCurrentIndex(static_cast<int>(fields.topicLock));
    memoLevel_->setCurrentIndex(fields.memoSop ? 1 : 0);
    const bool editable = page_.SettingsEditable();
    for (QWidget* control : std::initializer_list<QWidget*> {ident_, restricted_, topicLock_, memoLevel_})
        control->setEnabled(editable);
    for (QLineEdit* edit : {description_, url_, modeLock_}) edit->setReadOnly(!editable);
    openUrl_->setEnabled(page_.UrlOpenable());
    apply_->setEnabled(editable && page_.ChangedSettings() != 0);
    founder_->setText(page_.FounderButtonText());
    founder_->setEnabled(page_.FounderButtonEnabled());
    password_->setEnabled(page_.PasswordButtonEnabled());
}

ChannelInfoWindow::ChannelInfoWindow(CChannelInfoDialog& dialog)
    : dialog_(dialog), tabs_(new QTabWidget(this)), main_(new ChannelMainTab(dialog, tabs_)) {
    using namespace chanserv_text;
    setWindowTitle(ToQString(dialog.Title()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    tabs_->addTab(main_, kMainPage);
    const QStringList people {tr("Nickname"), tr("Description")};
    lists_[0] = new ChannelListTab(AccessListPage(dialog.Aops()), people, tabs_);
    lists_[1] = new ChannelListTab(AccessListPage(dialog.Sops()), people, tabs_);
    lists_[2] = new ChannelListTab(AccessListPage(dialog.Akicks()), {tr("Mask")}, tabs_);
    lists_[3] = new ChannelListTab(BansPage(dialog.Bans()), {tr("Mask"), tr("Set by")}, tabs_);
    const char* names[] = {kAopPage, kSopPage, kAkickPage, kBansPage};
    for (int i = 0; i < 4; ++i) tabs_->addTab(lists_[i], names[i]);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { PageShown(index); });
    resize(520, 500);
}

ChannelInfoWindow::~ChannelInfoWindow() = default;

void ChannelInfoWindow::Show() {
    show();
    raise();
    activateWindow();
}

void ChannelInfoWindow::Changed() {
    main_->Refresh();
    for (ChannelListTab* list : lists_)
        if (list) list->Refresh();
}

void ChannelInfoWindow::PageShown(int index) {
    for (ChannelListTab* list : lists_)
        if (tabs_->widget(index) == list) list->Activate();
}

// Closed or cancelled: the core dialog goes (and this with it).
void ChannelInfoWindow::done(int result) {
    QDialog::done(result);
    dialog_.RequestClose();
}

}  // namespace parlevox
