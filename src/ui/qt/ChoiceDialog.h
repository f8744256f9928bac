#pragma once
// The core's choice question as a dialog: its text, one radio button per
// choice (consecutive choices under the same heading indented below a
// label with it), OK and Cancel.
#include <QDialog>
#include <vector>

#include "platform/UserInterface.h"

class QRadioButton;

namespace parlevox {

class ChoiceDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kIndent = 20;

    explicit ChoiceDialog(const ChoiceRequest& request, QWidget* parent = nullptr);

    // The index of the checked choice.
    int Chosen() const;
    QRadioButton& Choice(int index) const { return *choices_.at(static_cast<size_t>(index)); }

private:
    std::vector<QRadioButton*> choices_;
};

}  // namespace parlevox
