#pragma once
// The three servers the connect dialog tries in order, each a host and a
// port; a slot with no host is skipped. Above them, the server directory:
// an entry fills a slot, and "Add server..." appends one to the directory.
#include <array>
#include <vector>

#include "settings/OptionLists.h"
#include "settings/ServerList.h"
#include "ui/qt/PreferencesPage.h"

class QListWidget;
class QPushButton;

namespace parlevox {

class ServersPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit ServersPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    void PortEdited(size_t slot, const QString& text);
    QWidget* MakeDirectory();
    void FillDirectory();
    void SelectionChanged();
    void Assign(size_t slot);
    void AddServer();

    QListWidget* directory_ = nullptr;
    std::array<QPushButton*, kServerSlots> assign_ {};
    std::vector<ServerListEntry> entries_;

    std::array<QLineEdit*, kServerSlots> hosts_ {};
    std::array<QLineEdit*, kServerSlots> ports_ {};
};

}  // namespace parlevox
