#pragma once
// The Reactions tab: every reaction of the client in a table (its Active
// box switches it on and off), and under it the editor of one reaction:
// event type, the message filters, the function or /-command it runs, its
// owner module and whether it is active; Add, Update and Remove, and a
// button that makes a new reaction function from the template.
#include <QWidget>
#include <array>

#include "modules/Reaction.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace parlevox {

class CReactionEditor;
class CScriptEditor;

class ReactionsTab final : public QWidget {
    Q_OBJECT

public:
    ReactionsTab(CReactionEditor& reactions, CScriptEditor& editor, QWidget* parent = nullptr);

    void Refresh();
    QTableWidget& Table() const { return *table_; }
    // The reaction the editor fields describe.
    CReaction Edited() const;
    void Load(const CReaction& reaction);

    bool Add();
    bool Update();

signals:
    // A reaction function was made: the Functions tab shows it.
    void functionMade(int moduleId, const QString& name);

private:
    struct FilterField {
        QCheckBox* on;
        QWidget* value;
    };
    void BuildEditor(QWidget* box);
    void RowChosen();
    void ActiveToggled(QTableWidgetItem* item);
    void Remove();
    void MakeFunction();
    void EventTypeChosen();
    void FillOwners(int32_t chosen);

    CReactionEditor& reactions_;
    CScriptEditor& editor_;
    QTableWidget* table_;
    QComboBox* eventType_ = nullptr;
    std::array<FilterField, 4> filters_{};  // sender, channel, type, numeric
    QLineEdit* sender_ = nullptr;
    QLineEdit* channel_ = nullptr;
    QLineEdit* type_ = nullptr;
    QSpinBox* numeric_ = nullptr;
    QLineEdit* action_ = nullptr;
    QComboBox* owner_ = nullptr;
    QCheckBox* active_ = nullptr;
};

}  // namespace parlevox
