#pragma once
// The left side of the Functions and Aliases tabs: the module chooser above
// the list of the module's entries, and their buttons under it.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <initializer_list>
#include <vector>

#include "modules/ModuleManager.h"
#include "ui/qt/QtText.h"

namespace parlevox {

inline QWidget* ModuleListPanel(QWidget* parent, QComboBox* modules, QListWidget* list,
                                std::initializer_list<QPushButton*> buttons) {
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* moduleLabel = new QLabel(QObject::tr("M&odule:"), panel);
    moduleLabel->setBuddy(modules);
    layout->addWidget(moduleLabel);
    layout->addWidget(modules);
    layout->addWidget(list, 1);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) row->addWidget(button);
    layout->addLayout(row);
    return panel;
}

// The installed modules, by name with their ids, the current one chosen;
// filling the chooser is not a choice of the person's.
inline void FillModuleChooser(QComboBox* chooser, const std::vector<InstalledModule>& modules,
                              const CScriptModule* current) {
    QSignalBlocker block(chooser);
    chooser->clear();
    for (const InstalledModule& installed : modules) {
        chooser->addItem(ToQString(installed.module->Name()), installed.module->Id());
        if (installed.module.get() == current) chooser->setCurrentIndex(chooser->count() - 1);
    }
}

}  // namespace parlevox
