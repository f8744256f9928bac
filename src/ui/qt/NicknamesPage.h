#pragma once
// The three nicknames, tried in order when one is taken, each with the
// password the services know it by.
#include <array>

#include "settings/OptionLists.h"
#include "ui/qt/PreferencesPage.h"

namespace parlevox {

class NicknamesPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit NicknamesPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    std::array<QLineEdit*, kNicknameSlots> names_ {};
    std::array<QLineEdit*, kNicknameSlots> passwords_ {};
};

}  // namespace parlevox
