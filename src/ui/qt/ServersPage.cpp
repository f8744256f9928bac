#include "ui/qt/ServersPage.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

constexpr std::array<const char*, kServerSlots> kHostLabels = {"&First server:", "&Second server:", "&Third server:"};
constexpr std::array<const char*, kServerSlots> kPortLabels = {"P&ort:", "Po&rt:", "Por&t:"};

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

void ServersPage::Load() {
    for (size_t i = 0; i < kServerSlots; ++i) {
        const ServerSlot& server = Context().options.servers[i];
        QSignalBlocker hostBlock(hosts_[i]), portBlock(ports_[i]);
        hosts_[i]->setText(ToQString(server.host));
        ports_[i]->setText(server.port > 0 ? QString::number(server.port) : QString());
    }
    ClearProblem();
}

}  // namespace parlevox
