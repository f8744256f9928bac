#pragma once
// The password a nickname is registered with: asked when "Register..." is
// pressed on the nicknames page. OK goes through the registration's check;
// a refused password keeps the dialog open.
#include <QDialog>

class QLineEdit;

namespace parlevox {

class CNickRegistration;

class NickPasswordDialog final : public QDialog {
    Q_OBJECT

public:
    // index: the nickname slot (0-2) being registered.
    NickPasswordDialog(CNickRegistration& registration, int index, const std::string& nickname,
                       const std::string& password, QWidget* parent = nullptr);

    QLineEdit& Password() { return *password_; }
    void accept() override;

private:
    CNickRegistration& registration_;
    int index_;
    QLineEdit* password_;
};

}  // namespace parlevox
