#pragma once
// The three servers the connect dialog tries in order, each a host and a
// port; a slot with no host is skipped.
#include <array>

#include "settings/OptionLists.h"
#include "ui/qt/PreferencesPage.h"

namespace parlevox {

class ServersPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit ServersPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    void PortEdited(size_t slot, const QString& text);

    std::array<QLineEdit*, kServerSlots> hosts_ {};
    std::array<QLineEdit*, kServerSlots> ports_ {};
};

}  // namespace parlevox
