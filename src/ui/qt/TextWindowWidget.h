#pragma once
// A script's text window: the pane, and an input line when the script named
// a function to take what is typed.
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/PaneWindowWidget.h"

namespace parlevox {

class TextWindowWidget final : public PaneWindowWidget {
public:
    TextWindowWidget(std::string name, bool input, QWidget* parent = nullptr)
        : PaneWindowWidget(std::move(name), input ? Entry::Line : Entry::None, parent) {
        SetCentre(&Pane());
    }
};

}  // namespace parlevox
