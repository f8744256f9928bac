#pragma once
// The "NickServ" tab of the nick information dialog: what NickServ said
// about the nick, read-only, and below it the owner's settings, usable once
// the answer has shown that the nick is the user's own.
#include <QWidget>

#include "ui/NickInfoNickServ.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace parlevox {

class NickInfoNickServTab final : public QWidget, public NickInfoNickServView {
    Q_OBJECT

public:
    explicit NickInfoNickServTab(CNickInfoNickServ& page, QWidget* parent = nullptr);
    ~NickInfoNickServTab() override;

    void NickServChanged() override;

    QLineEdit& Description() { return *description_; }
    QLabel& Address() { return *address_; }
    QGroupBox& Settings() { return *settings_; }
    QCheckBox& Forward() { return *forward_; }
    QLineEdit& ForwardNick() { return *forwardNick_; }
    QCheckBox& Kill() { return *kill_; }
    QLineEdit& NewPassword() { return *password_; }
    QLineEdit& Url() { return *url_; }
    QPushButton& Apply() { return *apply_; }

private:
    void BuildSettings();
    // Sends each setting the person changed.
    void ApplySettings();

    CNickInfoNickServ& page_;
    QLineEdit* description_;
    QLabel* address_;
    QGroupBox* settings_ = nullptr;
    QLabel* hint_ = nullptr;
    QCheckBox* forward_ = nullptr;
    QLineEdit* forwardNick_ = nullptr;
    QCheckBox* kill_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* url_ = nullptr;
    QPushButton* apply_ = nullptr;
    bool filled_ = false;  // the settings show NickServ's values once it has answered
};

}  // namespace parlevox
