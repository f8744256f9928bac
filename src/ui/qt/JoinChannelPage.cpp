#include "ui/qt/JoinChannelPage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OptionsRecord.h"
#include "ui/qt/JoinWindowTexts.h"
#include "ui/qt/PreferencesTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

namespace {

constexpr std::string_view kChannelPrefixes = "#&+!";

bool HasBreak(const QString& text) {
    return text.contains(' ') || text.contains(',');
}

// The remembered channels first (they may know a key), then the
// favourites that are not among them.
void FillChannels(QComboBox& combo, const OptionsRecord& options) {
    for (const ChannelSetting& channel : options.channels)
        if (!channel.name.empty()) combo.addItem(ToQString(channel.name), ToQString(channel.password));
    for (const FavouriteChannel& favourite : options.favourites) {
        const QString name = ToQString(favourite.channel);
        if (!name.isEmpty() && combo.findText(name, Qt::MatchFixedString) < 0) combo.addItem(name, QString());
    }
}

}  // namespace

JoinChannelPage::JoinChannelPage(const OptionsRecord& options, JoinLine joinLine, QWidget* parent)
    : QWidget(parent), joinLine_(std::move(joinLine)) {
    channel_ = new QComboBox(this);
    channel_->setObjectName("channel");
    channel_->setEditable(true);
    channel_->setInsertPolicy(QComboBox::NoInsert);
    channel_->setMinimumContentsLength(24);
    FillChannels(*channel_, options);
    channel_->setCurrentIndex(-1);
    key_ = new QLineEdit(this);
    key_->setObjectName("key");
    problem_ = new QLabel(this);
    problem_->setObjectName("problem");
    problem_->setStyleSheet("color: #b00000;");
    problem_->hide();
    join_ = new QPushButton(tr(jointext::kJoin), this);
    join_->setObjectName("join");
    connect(join_, &QPushButton::clicked, this, &JoinChannelPage::Join);

    auto* form = new QFormLayout;
    form->addRow(tr("&Channel:"), channel_);
    form->addRow(tr("&Key:"), key_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(join_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(channel_, &QComboBox::activated, this, &JoinChannelPage::ChannelPicked);
    connect(channel_, &QComboBox::editTextChanged, this, &JoinChannelPage::Edited);
    connect(key_, &QLineEdit::textChanged, this, &JoinChannelPage::Edited);
    Edited();
}

void JoinChannelPage::FocusChannel() {
    channel_->setFocus();
}

std::string JoinChannelPage::JoinCommand(std::string_view channel, std::string_view key) {
    std::string line = texts::kJoinCommand;
    if (channel.empty() || kChannelPrefixes.find(channel.front()) == std::string_view::npos) line += '#';
    line += channel;
    if (!key.empty()) line.append(" ").append(key);
    return line;
}

// A remembered channel brings its key.
void JoinChannelPage::ChannelPicked(int index) {
    if (index < 0) return;
    const QString key = channel_->itemData(index).toString();
    if (!key.isEmpty()) key_->setText(key);
}

void JoinChannelPage::Edited() {
    const QString channel = channel_->currentText().trimmed();
    QString problem;
    if (HasBreak(channel)) problem = tr(texts::kBadChannel);
    else if (HasBreak(key_->text().trimmed())) problem = tr(texts::kBadKey);
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    join_->setEnabled(problem.isEmpty() && !channel.isEmpty());
}

void JoinChannelPage::Join() {
    if (!join_->isEnabled()) return;
    const std::string line =
        JoinCommand(ToBytes(channel_->currentText().trimmed()), ToBytes(key_->text().trimmed()));
    if (joinLine_) joinLine_(line);
}

}  // namespace parlevox
