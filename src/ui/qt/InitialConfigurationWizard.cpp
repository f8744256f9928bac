#include "ui/qt/InitialConfigurationWizard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/FirstRunTexts.h"

namespace parlevox {
namespace {

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

std::string Bytes(const QLineEdit* edit) {
    return edit->text().toLatin1().toStdString();
}

// A nick is one word: no blanks, and no longer than networks allow.
QLineEdit* NicknameEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(static_cast<int>(FirstRun::kMaxNicknameLength));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\S*")), edit));
    return edit;
}

QLabel* WrappedLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    label->setWordWrap(true);
    return label;
}

// Next waits for a nickname.
class NicknamePage : public QWizardPage {
public:
    explicit NicknamePage(QLineEdit*& nickname) {
        auto* form = new QFormLayout(this);
        nickname_ = nickname = NicknameEdit(this, QStringLiteral("nickname"));
        form->addRow(Text(firstrun::kNicknamePrompt), nickname);
        connect(nickname, &QLineEdit::textChanged, this, &QWizardPage::completeChanged);
    }
    bool isComplete() const override {
        return !FirstRun::CleanNickname(nickname_->text().toLatin1().toStdString()).empty();
    }

private:
    QLineEdit* nickname_;
};

}  // namespace

// "No, I'm done" ends the wizard here.
class InitialConfigurationWizard::CompletePage : public QWizardPage {
public:
    CompletePage(QRadioButton*& done, QRadioButton*& details) {
        setTitle(Text(firstrun::kCompleteTitle));
        auto* box = new QVBoxLayout(this);
        box->addWidget(WrappedLabel(firstrun::kCompleteText, this));
        done_ = done = new QRadioButton(Text(firstrun::kDone), this);
        details = new QRadioButton(Text(firstrun::kEnterDetails), this);
        done->setObjectName(QStringLiteral("done"));
        details->setObjectName(QStringLiteral("details"));
        done->setChecked(true);
        box->addWidget(done);
        box->addWidget(details);
        // The wizard shows Next or Finish after each change of choice.
        connect(done, &QRadioButton::toggled, this, &QWizardPage::completeChanged);
    }
    int nextId() const override { return done_->isChecked() ? -1 : kDetailsPage; }

private:
    QRadioButton* done_;
};

class InitialConfigurationWizard::DetailsPage : public QWizardPage {
public:
    explicit DetailsPage(InitialConfigurationWizard& wizard) : wizard_(wizard) {}
    void initializePage() override {
        if (wizard_.detailNicks_[0]->text().isEmpty()) wizard_.detailNicks_[0]->setText(wizard_.nickname_->text());
    }

private:
    InitialConfigurationWizard& wizard_;
};

InitialConfigurationWizard::InitialConfigurationWizard(QWidget* parent, std::vector<ServerListEntry> directory)
    : QWizard(parent) {
    for (ServerListEntry& entry : directory)
        if (entry.Assignable()) directory_.push_back(std::move(entry));
    setWindowTitle(Text(firstrun::kWizardTitle));
    setPage(kWelcomePage, MakeWelcomePage());
    setPage(kNicknamePage, MakeNicknamePage());
    setPage(kServersPage, MakeServersPage());
    setPage(kCompletePage, new CompletePage(done_, details_));

    auto* page = new DetailsPage(*this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(WrappedLabel(firstrun::kDetailsText, page), 0, 0, 1, 3);
    for (int i = 0; i < kNicknameSlots; ++i) {
        detailNicks_[i] = NicknameEdit(page, QStringLiteral("nick%1").arg(i + 1));
        detailPasswords_[i] = new QLineEdit(page);
        detailPasswords_[i]->setObjectName(QStringLiteral("password%1").arg(i + 1));
        detailPasswords_[i]->setEchoMode(QLineEdit::Password);
        grid->addWidget(detailNicks_[i], i + 1, 0);
        grid->addWidget(detailPasswords_[i], i + 1, 1);
    }
    channel_ = new QLineEdit(page);
    channel_->setObjectName(QStringLiteral("channel"));
    channelPassword_ = new QLineEdit(page);
    channelPassword_->setObjectName(QStringLiteral("channelPassword"));
    auto* add = new QPushButton(Text(firstrun::kAdd), page);
    add->setObjectName(QStringLiteral("add"));
    connect(add, &QPushButton::clicked, this, &InitialConfigurationWizard::AddChannel);
    channelList_ = new QListWidget(page);
    channelList_->setObjectName(QStringLiteral("channels"));
    grid->addWidget(channel_, kNicknameSlots + 1, 0);
    grid->addWidget(channelPassword_, kNicknameSlots + 1, 1);
    grid->addWidget(add, kNicknameSlots + 1, 2);
    grid->addWidget(channelList_, kNicknameSlots + 2, 0, 1, 3);
    setPage(kDetailsPage, page);
    setStartId(kWelcomePage);
}

QWizardPage* InitialConfigurationWizard::MakeWelcomePage() {
    auto* page = new QWizardPage(this);
    page->setTitle(Text(firstrun::kWizardTitle));
    (new QVBoxLayout(page))->addWidget(WrappedLabel(firstrun::kWelcomePage, page));
    return page;
}

QWizardPage* InitialConfigurationWizard::MakeNicknamePage() {
    return new NicknamePage(nickname_);
}

QWizardPage* InitialConfigurationWizard::MakeServersPage() {
    auto* page = new QWizardPage(this);
    auto* box = new QVBoxLayout(page);
    box->addWidget(new QLabel(Text(firstrun::kServersPrompt), page));
    america_ = new QRadioButton(Text(firstrun::kAmerica), page);
    europe_ = new QRadioButton(Text(firstrun::kEurope), page);
    america_->setObjectName(QStringLiteral("america"));
    europe_->setObjectName(QStringLiteral("europe"));
    america_->setChecked(true);
    box->addWidget(america_);
    box->addWidget(europe_);
    if (directory_.empty()) return page;
    otherNetwork_ = new QRadioButton(Text(firstrun::kOtherNetwork), page);
    otherNetwork_->setObjectName(QStringLiteral("otherNetwork"));
    networks_ = new QComboBox(page);
    networks_->setObjectName(QStringLiteral("networks"));
    for (const ServerListEntry& entry : directory_)
        networks_->addItem(QString::fromStdString(entry.description),
                           QString::fromStdString(entry.host + ":" + std::to_string(entry.port)));
    networks_->setEnabled(false);
    connect(otherNetwork_, &QRadioButton::toggled, networks_, &QComboBox::setEnabled);
    box->addWidget(otherNetwork_);
    box->addWidget(networks_);
    box->addStretch();
    return page;
}

void InitialConfigurationWizard::AddChannel() {
    if (channel_->text().trimmed().isEmpty()) return;
    channels_.push_back({Bytes(channel_), Bytes(channelPassword_)});
    channelList_->addItem(channel_->text());
    channel_->clear();
    channelPassword_->clear();
}

void InitialConfigurationWizard::Fill(const InitialConfiguration& start) {
    nickname_->setText(QString::fromLatin1(start.nicknames[0].name));
    for (int i = 0; i < kNicknameSlots; ++i) {
        detailNicks_[i]->setText(QString::fromLatin1(start.nicknames[static_cast<size_t>(i)].name));
        detailPasswords_[i]->setText(QString::fromLatin1(start.nicknames[static_cast<size_t>(i)].password));
    }
    (start.continent == Continent::Europe ? europe_ : america_)->setChecked(true);
    if (otherNetwork_ && start.network) {
        for (size_t i = 0; i < directory_.size(); ++i)
            if (directory_[i] == *start.network) {
                networks_->setCurrentIndex(static_cast<int>(i));
                otherNetwork_->setChecked(true);
            }
    }
    (start.detailsEntered ? details_ : done_)->setChecked(true);
    channels_ = start.channels;
    channelList_->clear();
    for (const auto& channel : channels_) channelList_->addItem(QString::fromLatin1(channel.name));
    restart();
}

InitialConfiguration InitialConfigurationWizard::Entered() const {
    InitialConfiguration entered;
    entered.nicknames[0].name = Bytes(nickname_);
    entered.continent = europe_->isChecked() ? Continent::Europe : Continent::America;
    if (otherNetwork_ && otherNetwork_->isChecked() && networks_->currentIndex() >= 0)
        entered.network = directory_[static_cast<size_t>(networks_->currentIndex())];
    entered.detailsEntered = details_->isChecked();
    if (!entered.detailsEntered) return entered;
    for (size_t i = 0; i < entered.nicknames.size(); ++i)
        entered.nicknames[i] = {Bytes(detailNicks_[i]), Bytes(detailPasswords_[i])};
    entered.channels = channels_;
    return entered;
}

std::optional<InitialConfiguration> InitialConfigurationWizard::Run(const InitialConfiguration& start) {
    Fill(start);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Entered();
}

}  // namespace parlevox
