#include "ui/qt/ReactionsTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "irc/EventTypeTree.h"
#include "modules/ReactionTexts.h"
#include "ui/ReactionEditor.h"
#include "ui/ScriptEditor.h"
#include "ui/qt/QtText.h"
#include "ui/qt/RowTable.h"

namespace parlevox {
namespace {

enum Column { kActive, kOwner, kAction, kEvent, kSender, kChannel, kType, kNumeric, kColumnCount };
constexpr uint32_t kFilterBits[] = {CReaction::kFilterSender, CReaction::kFilterText1, CReaction::kFilterText2,
                                    CReaction::kFilterNumber};

int Depth(const EventTypeNode& node) {
    int depth = 0;
    for (const EventTypeNode* up = FindEventTypeNode(node.parent); up; up = FindEventTypeNode(up->parent)) ++depth;
    return depth;
}

}  // namespace

ReactionsTab::ReactionsTab(CReactionEditor& reactions, CScriptEditor& editor, QWidget* parent)
    : QWidget(parent), reactions_(reactions), editor_(editor), table_(new QTableWidget(0, kColumnCount, this)) {
    table_->setObjectName("reactions");
    SetUpRowTable(table_, {tr(texts::kReactionLabelActive), tr(texts::kReactionLabelOwner),
                           tr(texts::kReactionLabelFunction), tr(texts::kReactionLabelEventType),
                           tr(texts::kReactionLabelSender), tr(texts::kReactionLabelChannel),
                           tr(texts::kReactionLabelType), tr(texts::kReactionLabelNumeric)});
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ReactionsTab::RowChosen);
    connect(table_, &QTableWidget::itemChanged, this, &ReactionsTab::ActiveToggled);

    auto* box = new QGroupBox(tr("Reaction"), this);
    BuildEditor(box);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(box);
    Refresh();
    Load(CReactionEditor::Blank(editor_.Module() ? editor_.Module()->Id() : 0));
}

void ReactionsTab::BuildEditor(QWidget* box) {
    eventType_ = new QComboBox(box);
    eventType_->setObjectName("eventType");
    for (const EventTypeNode& node : EventTypeNodes())
        eventType_->addItem(QString(Depth(node) * 3, QLatin1Char(' ')) + QString::fromLatin1(node.name), node.id);
    connect(eventType_, &QComboBox::currentIndexChanged, this, &ReactionsTab::EventTypeChosen);

    sender_ = new QLineEdit(box);
    sender_->setPlaceholderText(tr("nick!user@host, * for any part"));
    channel_ = new QLineEdit(box);
    type_ = new QLineEdit(box);
    numeric_ = new QSpinBox(box);
    numeric_->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    const char* labels[] = {texts::kReactionLabelSender, texts::kReactionLabelChannel, texts::kReactionLabelType,
                            texts::kReactionLabelNumeric};
    QWidget* values[] = {sender_, channel_, type_, numeric_};
    auto* filterBox = new QGroupBox(tr(texts::kReactionLabelMessageFilter), box);
    auto* grid = new QGridLayout(filterBox);
    for (size_t i = 0; i < filters_.size(); ++i) {
        auto* on = new QCheckBox(tr(labels[i]), filterBox);
        on->setObjectName(QString::fromLatin1(labels[i]).toLower());
        filters_[i] = {on, values[i]};
        grid->addWidget(on, static_cast<int>(i), 0);
        grid->addWidget(values[i], static_cast<int>(i), 1);
        values[i]->setEnabled(false);
        connect(on, &QCheckBox::toggled, values[i], &QWidget::setEnabled);
    }

    action_ = new QLineEdit(box);
    action_->setObjectName("action");
    action_->setPlaceholderText(tr("A function name, or an IRC command line starting with /"));
    auto* makeFunction = new QPushButton(tr("&New function"), box);
    makeFunction->setObjectName("newFunction");
    makeFunction->setToolTip(tr("Make a function of this name in the owner module, ready to edit"));
    connect(makeFunction, &QPushButton::clicked, this, &ReactionsTab::MakeFunction);
    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(action_, 1);
    actionRow->addWidget(makeFunction);
    owner_ = new QComboBox(box);
    owner_->setObjectName("owner");
    active_ = new QCheckBox(box);
    active_->setObjectName("active");

    auto* form = new QFormLayout;
    form->addRow(tr(texts::kReactionLabelEventType), eventType_);
    form->addRow(tr(texts::kReactionLabelFunction), actionRow);
    form->addRow(tr(texts::kReactionLabelOwner), owner_);
    form->addRow(tr(texts::kReactionLabelActive), active_);

    auto* blank = new QPushButton(tr("&Clear"), box);
    auto* add = new QPushButton(tr("&Add"), box);
    auto* update = new QPushButton(tr("&Update"), box);
    auto* remove = new QPushButton(tr("R&emove"), box);
    add->setObjectName("add");
    update->setObjectName("update");
    remove->setObjectName("remove");
    connect(blank, &QPushButton::clicked, this, [this] {
        table_->clearSelection();
        // A new reaction belongs to the module being worked on.
        const int32_t owner = editor_.Module() ? editor_.Module()->Id() : owner_->currentData().toInt();
        Load(CReactionEditor::Blank(owner));
    });
    connect(add, &QPushButton::clicked, this, &ReactionsTab::Add);
    connect(update, &QPushButton::clicked, this, &ReactionsTab::Update);
    connect(remove, &QPushButton::clicked, this, &ReactionsTab::Remove);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {blank, add, update, remove}) buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(box);
    layout->addLayout(form, 3);
    layout->addWidget(filterBox, 2);
    layout->addLayout(buttons);
}

void ReactionsTab::Refresh() {
    const std::vector<ReactionRow> rows = reactions_.Rows();
    const std::vector<std::string> lines = reactions_.Lines();
    const int chosen = table_->currentRow();
    {
        QSignalBlocker block(table_);
        table_->setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < table_->rowCount(); ++row) {
            const ReactionRow& r = rows[static_cast<size_t>(row)];
            auto* active = new QTableWidgetItem;
            active->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            active->setCheckState(r.active ? Qt::Checked : Qt::Unchecked);
            table_->setItem(row, kActive, active);
            const std::string* texts[] = {&r.owner, &r.action, &r.eventType, &r.sender, &r.channel, &r.type, &r.numeric};
            for (int column = kOwner; column < kColumnCount; ++column)
                table_->setItem(row, column, new QTableWidgetItem(ToQString(*texts[column - kOwner])));
            for (int column = 0; column < kColumnCount; ++column)
                table_->item(row, column)->setToolTip(ToQString(lines[static_cast<size_t>(row)]));
        }
            if (chosen >= 0 && chosen < table_->rowCount()) table_->selectRow(chosen);
    }
    FillOwners(owner_->count() ? owner_->currentData().toInt() : (editor_.Module() ? editor_.Module()->Id() : 0));
}

void ReactionsTab::FillOwners(int32_t chosen) {
    QSignalBlocker block(owner_);
    owner_->clear();
    owner_->addItem(tr("(choose a module)"), 0);
    for (const InstalledModule& installed : editor_.Modules()) {
        owner_->addItem(ToQString(installed.module->Name()), installed.module->Id());
        if (installed.module->Id() == chosen) owner_->setCurrentIndex(owner_->count() - 1);
    }
}

CReaction ReactionsTab::Edited() const {
    const int row = table_->currentRow();
    const CReaction* shown = reactions_.At(row < 0 ? SIZE_MAX : static_cast<size_t>(row));
    CReaction reaction = shown ? *shown : CReaction{};
    reaction.enabled = active_->isChecked() ? 1 : 0;
    reaction.owner = owner_->currentData().toInt();
    reaction.action = ToBytes(action_->text().trimmed());
    reaction.eventSelector = eventType_->currentData().toUInt();
    reaction.filterFlags = 0;
    for (size_t i = 0; i < filters_.size(); ++i)
        if (filters_[i].on->isChecked()) reaction.filterFlags |= kFilterBits[i];
    reaction.senderMask = ToBytes(sender_->text());
    reaction.textFilter1 = ToBytes(channel_->text());
    reaction.textFilter2 = ToBytes(type_->text());
    reaction.number = numeric_->value();
    return reaction;
}

void ReactionsTab::Load(const CReaction& reaction) {
    const int type = eventType_->findData(reaction.eventSelector);
    eventType_->setCurrentIndex(type >= 0 ? type : 0);
    for (size_t i = 0; i < filters_.size(); ++i) filters_[i].on->setChecked((reaction.filterFlags & kFilterBits[i]) != 0);
    sender_->setText(ToQString(reaction.senderMask));
    channel_->setText(ToQString(reaction.textFilter1));
    type_->setText(ToQString(reaction.textFilter2));
    numeric_->setValue(reaction.number);
    action_->setText(ToQString(reaction.action));
    FillOwners(reaction.owner);
    active_->setChecked(reaction.IsEnabled());
    EventTypeChosen();
}

// The filters the chosen event type can be told apart by; the others are
// kept as they are but cannot be edited.
void ReactionsTab::EventTypeChosen() {
    const EventTypeNode* node = FindEventTypeNode(eventType_->currentData().toUInt());
    const uint32_t offered = node ? node->filtersOffered : 0;
    for (size_t i = 0; i < filters_.size(); ++i) filters_[i].on->setEnabled((offered & kFilterBits[i]) != 0);
}

void ReactionsTab::RowChosen() {
    const int row = table_->currentRow();
    if (const CReaction* reaction = reactions_.At(row < 0 ? SIZE_MAX : static_cast<size_t>(row))) Load(*reaction);
}

void ReactionsTab::ActiveToggled(QTableWidgetItem* item) {
    if (item->column() != kActive) return;
    reactions_.SetActive(static_cast<size_t>(item->row()), item->checkState() == Qt::Checked);
    Refresh();
}

bool ReactionsTab::Add() {
    if (!reactions_.Add(Edited())) return false;
    Refresh();
    table_->selectRow(table_->rowCount() - 1);
    return true;
}

bool ReactionsTab::Update() {
    const int row = table_->currentRow();
    if (row < 0 || !reactions_.Update(static_cast<size_t>(row), Edited())) return false;
    Refresh();
    return true;
}

void ReactionsTab::Remove() {
    const int row = table_->currentRow();
    if (row < 0 || !reactions_.Remove(static_cast<size_t>(row))) return;
    table_->clearSelection();
    Refresh();
}

void ReactionsTab::MakeFunction() {
    const std::string name = ToBytes(action_->text().trimmed());
    const int32_t owner = owner_->currentData().toInt();
    if (!reactions_.NewReactionFunction(name, owner)) return;
    emit functionMade(owner, ToQString(name));
}

}  // namespace parlevox
