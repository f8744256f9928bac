#pragma once
// The nick change dialog: one field with the nick in use, OK and Cancel. OK
// goes through the core's check; a refused nickname keeps the dialog open
// with the field selected for another try.
#include <QDialog>

class QLineEdit;

namespace parlevox {

class CNickChangeDialog;

class NickChangeDialog final : public QDialog {
    Q_OBJECT

public:
    NickChangeDialog(CNickChangeDialog& core, const std::string& currentNick, QWidget* parent = nullptr);

    QLineEdit& Nickname() { return *nickname_; }
    void accept() override;

private:
    CNickChangeDialog& core_;
    QLineEdit* nickname_;
};

}  // namespace parlevox
