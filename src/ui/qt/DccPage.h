#pragma once
// The DCC options: whose offers are taken and which are received without
// asking, what happens to each type of file received, and how peers reach
// this side (own address, listening ports, passive offers, send-ahead).
// Every edit goes into the context's DccOptions and calls dccChanged.
#include <array>
#include <string>
#include <vector>

#include "dcc/DccOptions.h"
#include "ui/qt/PreferencesPage.h"

class QButtonGroup;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace parlevox {

class DccPage final : public PreferencesPage {
    Q_OBJECT

public:
    // context.dcc must not be null.
    explicit DccPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    DccOptions& Options() const;
    void Changed() const;
    QWidget* MakeModes(const char* title, const std::array<const char*, 3>& labels, const char* name,
                       QButtonGroup*& group, int DccOptions::*field);
    QWidget* MakeFileTypes();
    QWidget* MakeTypeDetails();
    QWidget* MakePlugIns();
    void LoadPlugIns(int select);
    // The installed plug-ins' names, which table entries name.
    std::vector<std::string> PlugInNames() const;
    void InstallPlugIn();
    void RemovePlugIn();
    void SetupPlugIn();
    QLayout* MakeReach();
    // The selected table entry; null when none is.
    DccFileType* Selected() const;
    void LoadTypes(int select);
    void ShowSelected();
    void AddType();
    void RemoveType();
    void ChooseFolder();
    void ChooseHelper();

    QButtonGroup* allow_ = nullptr;
    QButtonGroup* automatic_ = nullptr;
    QListWidget* types_ = nullptr;
    QPushButton* remove_ = nullptr;
    QWidget* details_ = nullptr;
    QButtonGroup* action_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QPushButton* browseFolder_ = nullptr;
    QLineEdit* helper_ = nullptr;
    QPushButton* browseHelper_ = nullptr;
    QComboBox* plugIn_ = nullptr;
    QListWidget* plugIns_ = nullptr;
    QPushButton* removePlugIn_ = nullptr;
    QPushButton* setupPlugIn_ = nullptr;
    QLineEdit* ownAddress_ = nullptr;
    QLineEdit* portRange_ = nullptr;
    QCheckBox* passive_ = nullptr;
    QSpinBox* sendAhead_ = nullptr;
};

}  // namespace parlevox
