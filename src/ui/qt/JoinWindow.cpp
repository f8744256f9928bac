#include "ui/qt/JoinWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesPage.h"
#include "ui/qt/PreferencesTexts.h"

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

JoinWindow::JoinWindow(const OptionsRecord& options, JoinLine joinLine, QWidget* parent)
    : QDialog(parent), joinLine_(std::move(joinLine)) {
    setWindowTitle(tr(texts::kJoinTitle));
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

    auto* buttons = new QDialogButtonBox(this);
    join_ = buttons->addButton(tr("&Join"), QDialogButtonBox::AcceptRole);
    join_->setObjectName("join");
    join_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinWindow::Join);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Channel:"), channel_);
    form->addRow(tr("&Key:"), key_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);

    connect(channel_, &QComboBox::activated, this, &JoinWindow::ChannelPicked);
    connect(channel_, &QComboBox::editTextChanged, this, &JoinWindow::Edited);
    connect(key_, &QLineEdit::textChanged, this, &JoinWindow::Edited);
    Edited();
    channel_->setFocus();
}

std::string JoinWindow::JoinCommand(std::string_view channel, std::string_view key) {
    std::string line = texts::kJoinCommand;
    if (channel.empty() || kChannelPrefixes.find(channel.front()) == std::string_view::npos) line += '#';
    line += channel;
    if (!key.empty()) line.append(" ").append(key);
    return line;
}

// A remembered channel brings its key.
void JoinWindow::ChannelPicked(int index) {
    if (index < 0) return;
    const QString key = channel_->itemData(index).toString();
    if (!key.isEmpty()) key_->setText(key);
}

void JoinWindow::Edited() {
    const QString channel = channel_->currentText().trimmed();
    QString problem;
    if (HasBreak(channel)) problem = tr(texts::kBadChannel);
    else if (HasBreak(key_->text().trimmed())) problem = tr(texts::kBadKey);
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    join_->setEnabled(problem.isEmpty() && !channel.isEmpty());
}

void JoinWindow::Join() {
    if (!join_->isEnabled()) return;
    const std::string line =
        JoinCommand(ToBytes(channel_->currentText().trimmed()), ToBytes(key_->text().trimmed()));
    accept();
    if (joinLine_) joinLine_(line);
}

}  // namespace parlevox
