#include "ui/qt/DccPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "dcc/DCCPlugIns.h"
#include "dcc/DccFileTypes.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {
namespace {

// Checks the group's button `id`; none for a value a damaged store left.
void CheckMode(QButtonGroup* group, int id) {
    const QSignalBlocker block(group);
    if (QAbstractButton* button = group->button(id)) return button->setChecked(true);
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

void SetText(QLineEdit* edit, const std::string& text) {
    const QSignalBlocker block(edit);
    edit->setText(ToQString(text));
}

// A line edit and a button that fills it.
QWidget* WithButton(QWidget* parent, QLineEdit* edit, QPushButton* button) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit, 1);
    row->addWidget(button);
    return box;
}

}  // namespace

DccPage::DccPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    auto* modes = new QHBoxLayout;
    modes->addWidget(MakeModes(texts::kDccAllow, texts::kDccAllowModes, "allow", allow_, &DccOptions::allowMode));
    modes->addWidget(MakeModes(texts::kDccAutomatic, texts::kDccAutomaticModes, "automatic", automatic_,
                               &DccOptions::automaticMode));
    AddContent(modes);
    AddContent(MakeFileTypes());
    if (context.dccPlugIns) AddContent(MakePlugIns());
    AddContent(MakeReach());
}

DccOptions& DccPage::Options() const {
    return *Context().dcc;
}

void DccPage::Changed() const {
    if (Context().dccChanged) Context().dccChanged();
}

QWidget* DccPage::MakeModes(const char* title, const std::array<const char*, 3>& labels, const char* name,
                            QButtonGroup*& group, int DccOptions::*field) {
    auto* box = new QGroupBox(tr(title), this);
    auto* column = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int id = 0; id < static_cast<int>(labels.size()); ++id) {
        auto* button = new QRadioButton(tr(labels[static_cast<size_t>(id)]), box);
        button->setObjectName(QString::fromLatin1(name) + QString::number(id));
        group->addButton(button, id);
        column->addWidget(button);
    }
    connect(group, &QButtonGroup::idToggled, this, [this, field](int id, bool checked) {
        if (!checked || Options().*field == id) return;
        Options().*field = id;
        Changed();
    });
    return box;
}

QWidget* DccPage::MakeFileTypes() {
    auto* box = new QGroupBox(tr(texts::kDccFileTypes), this);
    auto* row = new QHBoxLayout(box);
    auto* left = new QVBoxLayout;
    types_ = new QListWidget(box);
    types_->setObjectName("fileTypes");
    left->addWidget(types_, 1);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(tr(texts::kDccAddFileType), box);
    add->setObjectName("addFileType");
    remove_ = new QPushButton(tr(texts::kDccRemoveFileType), box);
    remove_->setObjectName("removeFileType");
    buttons->addWidget(add);
    buttons->addWidget(remove_);
    left->addLayout(buttons);
    row->addLayout(left);
    row->addWidget(MakeTypeDetails(), 1);
    connect(types_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    connect(add, &QPushButton::clicked, this, &DccPage::AddType);
    connect(remove_, &QPushButton::clicked, this, &DccPage::RemoveType);
    return box;
}

QWidget* DccPage::MakeTypeDetails() {
    details_ = new QWidget(this);
    auto* column = new QVBoxLayout(details_);
    column->setContentsMargins(0, 0, 0, 0);
    action_ = new QButtonGroup(details_);
    for (int id = 0; id < static_cast<int>(texts::kDccActions.size()); ++id) {
        auto* button = new QRadioButton(tr(texts::kDccActions[static_cast<size_t>(id)]), details_);
        button->setObjectName("action" + QString::number(id));
        action_->addButton(button, id);
        column->addWidget(button);
    }
    auto* form = new QFormLayout;
    folder_ = new QLineEdit(details_);
    folder_->setObjectName("folder");
    browseFolder_ = new QPushButton(tr("Browse..."), details_);
    form->addRow(tr(texts::kDccFolder), WithButton(details_, folder_, browseFolder_));
    helper_ = new QLineEdit(details_);
    helper_->setObjectName("helper");
    browseHelper_ = new QPushButton(QStringLiteral("..."), details_);
    browseHelper_->setToolTip(tr(texts::kDccSelectProgram));
    form->addRow(tr(texts::kDccHelper), WithButton(details_, helper_, browseHelper_));
    plugIn_ = new QComboBox(details_);
    plugIn_->setObjectName("plugIn");
    form->addRow(tr(texts::kDccPlugIn), plugIn_);
    column->addLayout(form);
    column->addStretch(1);

    connect(action_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        DccFileType* type = Selected();
        if (!checked || !type || type->action == id) return;
        type->action = id;
        if (const std::vector<std::string> names = PlugInNames();
            id == dcc_action::kPlugIn && type->plugIn.empty() && !names.empty())
            type->plugIn = names.front();
        Changed();
        ShowSelected();
    });
    auto edits = [this](QLineEdit* edit, std::string DccFileType::*field) {
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            DccFileType* type = Selected();
            std::string value = ToBytes(text);
            if (!type || type->*field == value) return;
            type->*field = std::move(value);
            Changed();
        });
    };
    edits(folder_, &DccFileType::folder);
    edits(helper_, &DccFileType::helper);
    connect(plugIn_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        DccFileType* type = Selected();
        std::string value = ToBytes(text);
        if (!type || type->plugIn == value) return;
        type->plugIn = std::move(value);
        Changed();
    });
    connect(browseFolder_, &QPushButton::clicked, this, &DccPage::ChooseFolder);
    connect(browseHelper_, &QPushButton::clicked, this, &DccPage::ChooseHelper);
    return details_;
}

QWidget* DccPage::MakePlugIns() {
    auto* box = new QGroupBox(tr(texts::kDccPlugIns), this);
    auto* row = new QHBoxLayout(box);
    plugIns_ = new QListWidget(box);
    plugIns_->setObjectName("plugIns");
    plugIns_->setMaximumHeight(plugIns_->fontMetrics().height() * 4 + 8);
    row->addWidget(plugIns_, 1);
    auto* buttons = new QVBoxLayout;
    auto* install = new QPushButton(tr(texts::kDccInstallPlugIn), box);
    install->setObjectName("installPlugIn");
    removePlugIn_ = new QPushButton(tr(texts::kDccRemovePlugIn), box);
    removePlugIn_->setObjectName("removePlugIn");
    setupPlugIn_ = new QPushButton(tr(texts::kDccSetupPlugIn), box);
    setupPlugIn_->setObjectName("setupPlugIn");
    for (QPushButton* button : {install, removePlugIn_, setupPlugIn_}) buttons->addWidget(button);
    buttons->addStretch(1);
    row->addLayout(buttons);
    connect(plugIns_, &QListWidget::currentRowChanged, this, [this](int row) {
        removePlugIn_->setEnabled(row >= 0);
        setupPlugIn_->setEnabled(row >= 0);
    });
    connect(install, &QPushButton::clicked, this, &DccPage::InstallPlugIn);
    connect(removePlugIn_, &QPushButton::clicked, this, &DccPage::RemovePlugIn);
    connect(setupPlugIn_, &QPushButton::clicked, this, &DccPage::SetupPlugIn);
    return box;
}

QLayout* DccPage::MakeReach() {
    auto* form = new QFormLayout;
    ownAddress_ = new QLineEdit(this);
    ownAddress_->setObjectName("ownAddress");
    ownAddress_->setPlaceholderText(tr(texts::kDccOwnAddressHint));
    form->addRow(tr(texts::kDccOwnAddress), ownAddress_);
    portRange_ = new QLineEdit(this);
    portRange_->setObjectName("portRange");
    portRange_->setPlaceholderText(tr(texts::kDccPortRangeHint));
    form->addRow(tr(texts::kDccPortRange), portRange_);
    passive_ = new QCheckBox(tr(texts::kDccPassive), this);
    passive_->setObjectName("passive");
    passive_->setToolTip(tr(texts::kDccPassiveHint));
    form->addRow(passive_);
    sendAhead_ = new QSpinBox(this);
    sendAhead_->setObjectName("sendAhead");
    sendAhead_->setRange(static_cast<int>(DccOptions::kMinSendAhead), static_cast<int>(DccOptions::kMaxSendAhead));
    sendAhead_->setSingleStep(4096);
    sendAhead_->setSuffix(tr(texts::kDccSendAheadUnit));
    form->addRow(tr(texts::kDccSendAhead), sendAhead_);

    connect(ownAddress_, &QLineEdit::textChanged, this, [this](const QString& text) {
        std::string value = ToBytes(text);
        if (value.find_first_of(" \t") != std::string::npos) return ShowProblem(tr(texts::kBadDccAddress));
        ClearProblem();
        if (value == Options().ownAddress) return;
        Options().ownAddress = std::move(value);
        Changed();
    });
    connect(portRange_, &QLineEdit::textChanged, this, [this](const QString& text) {
        std::string value = ToBytes(text);
        if (!DccPortRange::Parse(value)) return ShowProblem(tr(texts::kBadDccPortRange));
        ClearProblem();
        if (value == Options().portRange) return;
        Options().portRange = std::move(value);
        Changed();
    });
    connect(passive_, &QCheckBox::toggled, this, [this](bool on) {
        if (Options().passive == on) return;
        Options().passive = on;
        Changed();
    });
    connect(sendAhead_, &QSpinBox::valueChanged, this, [this](int bytes) {
        if (Options().sendAhead == static_cast<uint32_t>(bytes)) return;
        Options().sendAhead = static_cast<uint32_t>(bytes);
        Changed();
    });
    return form;
}

void DccPage::Load() {
    const DccOptions& options = Options();
    CheckMode(allow_, options.allowMode);
    CheckMode(automatic_, options.automaticMode);
    LoadTypes(types_->currentRow());
    if (plugIns_) LoadPlugIns(plugIns_->currentRow());
    SetText(ownAddress_, options.ownAddress);
    SetText(portRange_, options.portRange);
    {
        const QSignalBlocker passiveBlock(passive_), sendAheadBlock(sendAhead_);
        passive_->setChecked(options.passive);
        sendAhead_->setValue(static_cast<int>(
            std::clamp(options.sendAhead, DccOptions::kMinSendAhead, DccOptions::kMaxSendAhead)));
    }
    ClearProblem();
}

DccFileType* DccPage::Selected() const {
    const int row = types_->currentRow();
    auto& types = Options().fileTypes;
    return row >= 0 && static_cast<size_t>(row) < types.size() ? &types[static_cast<size_t>(row)] : nullptr;
}

// Entry 0 is the catch-all, whatever its stored pattern says.
void DccPage::LoadTypes(int select) {
    const auto& types = Options().fileTypes;
    {
        const QSignalBlocker block(types_);
        types_->clear();
        for (size_t i = 0; i < types.size(); ++i)
            types_->addItem(i == 0 ? tr(DccOptions::kCatchAll) : ToQString(types[i].pattern));
        if (select < 0 || select >= types_->count()) select = 0;
        types_->setCurrentRow(types.empty() ? -1 : select);
    }
    ShowSelected();
}

void DccPage::ShowSelected() {
    const DccFileType* type = Selected();
    remove_->setEnabled(type && types_->currentRow() > 0);
    details_->setEnabled(type != nullptr);
    CheckMode(action_, type ? type->action : -1);
    SetText(folder_, type ? type->folder : std::string());
    SetText(helper_, type ? type->helper : std::string());
    {
        const QSignalBlocker block(plugIn_);
        plugIn_->clear();
        for (const std::string& plugIn : PlugInNames()) plugIn_->addItem(ToQString(plugIn));
        // A plug-in the entry names but that is not installed still shows.
        if (type && !type->plugIn.empty() && plugIn_->findText(ToQString(type->plugIn)) < 0)
            plugIn_->addItem(ToQString(type->plugIn));
        plugIn_->setCurrentIndex(type ? plugIn_->findText(ToQString(type->plugIn)) : -1);
    }
    const int action = type ? type->action : -1;
    folder_->setEnabled(action == dcc_action::kSave || action == dcc_action::kSaveAndOpen);
    browseFolder_->setEnabled(folder_->isEnabled());
    helper_->setEnabled(action == dcc_action::kSaveAndOpen);
    browseHelper_->setEnabled(helper_->isEnabled());
    plugIn_->setEnabled(action == dcc_action::kPlugIn);
    // Nothing to hand a file to without plug-ins.
    action_->button(dcc_action::kPlugIn)->setEnabled(plugIn_->count() > 0);
}

void DccPage::AddType() {
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr(texts::kDccAddFileTypeTitle), tr(texts::kDccAddFileTypeText),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || text.isEmpty()) return;
    AddFileType(Options(), ToBytes(text));
    Changed();
    LoadTypes(static_cast<int>(Options().fileTypes.size()) - 1);
}

void DccPage::RemoveType() {
    const int row = types_->currentRow();
    if (row <= 0 || !DeleteFileType(Options(), static_cast<size_t>(row))) return;
    Changed();
    LoadTypes(row - 1);
}

std::vector<std::string> DccPage::PlugInNames() const {
    std::vector<std::string> names;
    if (Context().dccPlugIns)
        for (const auto& plugIn : Context().dccPlugIns->PlugIns()) names.push_back(plugIn->Name());
    return names;
}

void DccPage::LoadPlugIns(int select) {
    const QSignalBlocker block(plugIns_);
    plugIns_->clear();
    for (const auto& plugIn : Context().dccPlugIns->PlugIns()) {
        auto* item = new QListWidgetItem(ToQString(plugIn->Name()), plugIns_);
        item->setToolTip(ToQString(plugIn->Path()));
    }
    plugIns_->setCurrentRow(std::min(select, plugIns_->count() - 1));
    removePlugIn_->setEnabled(plugIns_->currentRow() >= 0);
    setupPlugIn_->setEnabled(plugIns_->currentRow() >= 0);
}

// The list saves the options itself; the table shows the entries it took over.
void DccPage::InstallPlugIn() {
    if (!Context().dccPlugIns->InstallChosen()) return;
    LoadPlugIns(plugIns_->count());
    LoadTypes(types_->currentRow());
}

void DccPage::RemovePlugIn() {
    const int row = plugIns_->currentRow();
    if (row < 0 || !Context().dccPlugIns->Remove(static_cast<size_t>(row))) return;
    LoadPlugIns(row);
    LoadTypes(types_->currentRow());
}

void DccPage::SetupPlugIn() {
    const int row = plugIns_->currentRow();
    if (row >= 0) Context().dccPlugIns->Setup(static_cast<size_t>(row));
}

void DccPage::ChooseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, tr(texts::kDccSelectFolder), folder_->text());
    if (!folder.isEmpty()) folder_->setText(folder);
}

// Only files this user may run are offered.
void DccPage::ChooseHelper() {
    QFileDialog dialog(this, tr(texts::kDccSelectProgram), helper_->text());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr(texts::kDccProgramFilter));
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    helper_->setText(dialog.selectedFiles().front());
}

}  // namespace parlevox
