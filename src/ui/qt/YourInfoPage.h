#pragma once
// What the client tells others about the user (CTCP, the client link, the
// logon line), the user name, the quit message and the user's location.
#include <vector>

#include "ui/qt/PreferencesPage.h"

class QDoubleSpinBox;

namespace parlevox {

class YourInfoPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit YourInfoPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    struct TextField {
        QLineEdit* edit;
        std::string* field;
    };
    QDoubleSpinBox* AddDegrees(QFormLayout* form, const char* label, double& field, double limit);

    std::vector<TextField> texts_;
    QCheckBox* pic1_;
    QCheckBox* pic2_;
    QDoubleSpinBox* latitude_;
    QDoubleSpinBox* longitude_;
};

}  // namespace parlevox
