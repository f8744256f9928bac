#pragma once
// The sixteen colour slots of window lines: for each, what it paints and
// which of the scheme's sixteen colours it takes; with the highlight words
// and the output font.
#include <array>

#include "ui/qt/PreferencesPage.h"

class QComboBox;
class QSpinBox;

namespace parlevox {

class ColoursPage final : public PreferencesPage {
    Q_OBJECT

public:
    static constexpr int kSlots = 16;

    explicit ColoursPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    QComboBox* MakeColourChoice(int slot);

    std::array<QComboBox*, kSlots> choices_ {};
    QLineEdit* highlight_;
    QComboBox* fontName_;
    QSpinBox* fontSize_;
};

}  // namespace parlevox
