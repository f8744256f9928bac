#pragma once
// The behaviour and display switches, the double-click command, where the
// services commands send, the ident port, and the censorship switches.
#include <vector>

class QSpinBox;

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
    QLineEdit* nickServMask_;  // whose notices the services dialogs take as the answers
    QLineEdit* chanServMask_;
    QSpinBox* identPort_;
    std::vector<Switch> switches_;
};

}  // namespace parlevox
