#include "ui/qt/SchemeUsagePage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/SchemeEditor.h"
#include "ui/SchemeEditorTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

constexpr const char* kListNames[] = {"channels", "privateChats", "builtInWindows", "servers"};

}  // namespace

SchemeUsagePage::SchemeUsagePage(CSchemeEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeList(kChannels, "Channels", texts::kAllChannels, texts::kOnlyChannels));
    layout->addWidget(MakeList(kPrivateChats, "Private chats", texts::kAllPrivateChats, texts::kOnlyPrivateChats));
    auto* separate = new QLabel(tr(texts::kSeparateNames), this);
    separate->setWordWrap(true);
    layout->addWidget(separate);
    QWidget* others = MakeList(kBuiltInWindows, "Other windows", texts::kAllBuiltInWindows, texts::kOnlyBuiltInWindows);
    auto* names = new QLabel(tr(texts::kBuiltInWindowNames), others);
    names->setWordWrap(true);
    static_cast<QGridLayout*>(others->layout())->addWidget(names, 2, 0, 1, 2);
    layout->addWidget(others);
    layout->addWidget(MakeList(kServers, "Servers", texts::kAllServers, texts::kOnlyServers));
    layout->addStretch(1);
    Load();
}

QWidget* SchemeUsagePage::MakeList(List list, const char* title, const char* all, const char* only) {
    auto* box = new QGroupBox(tr(title), this);
    ListFields& fields = lists_[list];
    fields.all = new QRadioButton(tr(all), box);
    fields.only = new QRadioButton(tr(only), box);
    fields.names = new QLineEdit(box);
    const QString name = kListNames[list];
    fields.all->setObjectName(name + "All");
    fields.only->setObjectName(name + "Only");
    fields.names->setObjectName(name + "Names");
    auto* group = new QButtonGroup(box);  // each list's pair apart from the others
    group->addButton(fields.all);
    group->addButton(fields.only);
    connect(fields.all, &QRadioButton::toggled, this, &SchemeUsagePage::Edited);
    connect(fields.names, &QLineEdit::textEdited, this, [this, list] {
        // Typing names means these names only.
        if (!lists_[list].only->isChecked()) return lists_[list].only->setChecked(true);
        Edited();
    });
    auto* grid = new QGridLayout(box);
    grid->addWidget(fields.all, 0, 0, 1, 2);
    grid->addWidget(fields.only, 1, 0);
    grid->addWidget(fields.names, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void SchemeUsagePage::Load() {
    const SchemeUsageTexts usage = editor_.UsageTexts();
    const UsageListText* shown[] = {&usage.channels, &usage.privateChats, &usage.builtInWindows, &usage.servers};
    for (size_t list = 0; list < lists_.size(); ++list) {
        const ListFields& fields = lists_[list];
        const QSignalBlocker blocks[] = {QSignalBlocker(fields.all), QSignalBlocker(fields.only),
                                         QSignalBlocker(fields.names)};
        (shown[list]->all ? fields.all : fields.only)->setChecked(true);
        fields.names->setText(ToQString(shown[list]->names));
    }
}

UsageListText SchemeUsagePage::Text(List list) const {
    return {lists_[list].all->isChecked(), ToBytes(lists_[list].names->text())};
}

void SchemeUsagePage::Edited() {
    editor_.SetUsageTexts({Text(kChannels), Text(kPrivateChats), Text(kBuiltInWindows), Text(kServers)});
}

}  // namespace parlevox
