#pragma once
// The three nicknames, tried in order when one is taken, each with the
// password the services know it by; "Register..." registers one with
// NickServ (while connected and no registration runs).
#include <array>

class QPushButton;

#include "settings/OptionLists.h"
#include "ui/qt/PreferencesPage.h"

namespace parlevox {

class NicknamesPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit NicknamesPage(PreferencesContext& context, QWidget* parent = nullptr);
    ~NicknamesPage() override;
    void Load() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Register(size_t index);
    void UpdateRegisterButtons();

    std::array<QLineEdit*, kNicknameSlots> names_ {};
    std::array<QLineEdit*, kNicknameSlots> passwords_ {};
    std::array<QPushButton*, kNicknameSlots> register_ {};
};

}  // namespace parlevox
