#pragma once
// The behaviour and display switches, the double-click command, where the
// services commands send, and the censorship switches.
#include <vector>

#include "ui/qt/PreferencesPage.h"

namespace parlevox {

class MiscPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit MiscPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    struct Switch {
        QCheckBox* box;
        bool* field;
    };
    void AddSwitches(QVBoxLayout* box, std::initializer_list<std::pair<const char*, bool*>> switches);

    QLineEdit* doubleClick_;
    QLineEdit* servicesHost_;
    std::vector<Switch> switches_;
};

}  // namespace parlevox
