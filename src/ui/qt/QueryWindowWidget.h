#pragma once
// A private message window: the pane and the input line; closing it closes
// the core window. Its background offers the user menu for the partner.
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/PaneWindowWidget.h"

namespace parlevox {

class QueryWindowWidget final : public PaneWindowWidget {
public:
    explicit QueryWindowWidget(std::string nick, QWidget* parent = nullptr)
        : PaneWindowWidget(std::move(nick), Entry::Line, parent) {
        SetCentre(&Pane());
    }

    MenuKind BackgroundMenu() const override { return MenuKind::User; }
    MenuContext BackgroundContext() const override { return {{}, WindowName()}; }
};

}  // namespace parlevox
