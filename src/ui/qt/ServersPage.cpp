#include "ui/qt/ServersPage.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/UserInterface.h"

#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

constexpr std::array<const char*, kServerSlots> kHostLabels = {"&First server:", "&Second server:", "&Third server:"};
constexpr std::array<const char*, kServerSlots> kPortLabels = {"P&ort:", "Po&rt:", "Por&t:"};
constexpr std::array<const char*, kServerSlots> kAssignLabels = {"Use as &1", "Use as &2", "Use as &3"};

void ShowListError(const char* text) {
    UserInterface::Current().ShowMessageBox(
        {serverlist_text::kErrorTitle, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

// Description, host and port of a new directory entry; nothing when cancelled.
std::optional<ServerListEntry> AskForServer(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QObject::tr("Add server"));
    auto* form = new QFormLayout(&dialog);
    auto* description = new QLineEdit(&dialog);
    auto* host = new QLineEdit(&dialog);
    auto* port = new QSpinBox(&dialog);
    port->setRange(1, 65535);
    port->setValue(6667);
    form->addRow(QObject::tr("&Description:"), description);
    form->addRow(QObject::tr("&Host:"), host);
    form->addRow(QObject::tr("&Port:"), port);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ServerListEntry {description->text().toStdString(), host->text().trimmed().toStdString(),
                            static_cast<uint16_t>(port->value())};
}

// 1-65535 in plain digits; -1 for anything else.
int ParsePort(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return -1;
    int port = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return -1;
        port = port * 10 + (c.unicode() - u'0');
    }
    return port >= 1 && port <= 65535 ? port : -1;
}

}  // namespace

ServersPage::ServersPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    if (!Context().serverListPath.empty()) AddContent(MakeDirectory());
    QFormLayout* form = AddForm();
    for (size_t i = 0; i < kServerSlots; ++i) {
        const QString number = QString::number(i + 1);
        hosts_[i] = AddText(form, kHostLabels[i], Context().options.servers[i].host,
                            [number](const std::string& value) {
                                return value.find(' ') == std::string::npos ? QString()
                                                                            : QString(texts::kBadServer).arg(number);
                            });
        hosts_[i]->setObjectName("server" + number);
        ports_[i] = new QLineEdit(this);
        ports_[i]->setObjectName("port" + number);
        ports_[i]->setMaxLength(5);
        form->addRow(tr(kPortLabels[i]), ports_[i]);
        connect(ports_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) { PortEdited(i, text); });
    }
}

void ServersPage::PortEdited(size_t slot, const QString& text) {
    ServerSlot& server = Context().options.servers[slot];
    int port = ParsePort(text);
    // A slot without a host needs no port.
    if (port < 0 && text.isEmpty() && server.host.empty()) port = 0;
    if (port < 0) {
        ShowProblem(QString(texts::kBadPort).arg(slot + 1));
        return;
    }
    ClearProblem();
    if (port == server.port) return;
    server.port = port;
    OptionsChanged();
}

QWidget* ServersPage::MakeDirectory() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    directory_ = new QListWidget(box);
    directory_->setObjectName("serverDirectory");
    directory_->setMinimumHeight(160);
    layout->addWidget(directory_);
    auto* buttons = new QHBoxLayout;
    for (size_t i = 0; i < kServerSlots; ++i) {
        assign_[i] = new QPushButton(tr(kAssignLabels[i]), box);
        assign_[i]->setObjectName("useAs" + QString::number(i + 1));
        assign_[i]->setToolTip(tr("Put the chosen server into slot %1 below.").arg(i + 1));
        buttons->addWidget(assign_[i]);
        connect(assign_[i], &QPushButton::clicked, this, [this, i] { Assign(i); });
    }
    buttons->addStretch();
    auto* add = new QPushButton(tr("&Add server..."), box);
    add->setObjectName("addServer");
    buttons->addWidget(add);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &ServersPage::AddServer);
    connect(directory_, &QListWidget::currentRowChanged, this, &ServersPage::SelectionChanged);
    connect(directory_, &QListWidget::itemDoubleClicked, this, [this] { Assign(0); });
    return box;
}

void ServersPage::FillDirectory() {
    if (!directory_) return;
    QSignalBlocker block(directory_);
    directory_->clear();
    std::optional<std::vector<ServerListEntry>> read = ServerList::Read(Context().serverListPath);
    entries_ = read ? std::move(*read) : std::vector<ServerListEntry>();
    for (const ServerListEntry& entry : entries_) {
        auto* item = new QListWidgetItem(ToQString(entry.description), directory_);
        if (entry.Assignable()) {
            item->setToolTip(ToQString(entry.host + ":" + std::to_string(entry.port)));
            continue;
        }
        // Headings and separators show but cannot be chosen.
        item->setFlags(Qt::NoItemFlags);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    SelectionChanged();
    if (!read) ShowListError(serverlist_text::kReadError);
}

void ServersPage::SelectionChanged() {
    const int row = directory_->currentRow();
    const bool usable = row >= 0 && static_cast<size_t>(row) < entries_.size() && entries_[row].Assignable();
    for (QPushButton* button : assign_) button->setEnabled(usable);
}

void ServersPage::Assign(size_t slot) {
    const int row = directory_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= entries_.size() || !entries_[row].Assignable()) return;
    ServerSlot& server = Context().options.servers[slot];
    server.host = entries_[row].host;
    server.port = entries_[row].port;
    OptionsChanged();
    Load();
}

void ServersPage::AddServer() {
    std::optional<ServerListEntry> entry = AskForServer(this);
    if (!entry) return;
    const std::string refusal = ServerList::Refusal(*entry);
    if (!refusal.empty()) {
        ShowProblem(ToQString(refusal));
        return;
    }
    if (!ServerList::Append(Context().serverListPath, *entry)) {
        ShowListError(serverlist_text::kWriteError);
        return;
    }
    FillDirectory();
    directory_->setCurrentRow(directory_->count() - 1);
}

void ServersPage::Load() {
    for (size_t i = 0; i < kServerSlots; ++i) {
        const ServerSlot& server = Context().options.servers[i];
        QSignalBlocker hostBlock(hosts_[i]), portBlock(ports_[i]);
        hosts_[i]->setText(ToQString(server.host));
        ports_[i]->setText(server.port > 0 ? QString::number(server.port) : QString());
    }
    ClearProblem();
    if (directory_ && entries_.empty()) FillDirectory();
}

}  // namespace parlevox
