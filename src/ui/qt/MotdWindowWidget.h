#pragma once
// The message-of-the-day window ("~MOTD"): a pane and nothing to type in.
#include "ui/MotdWnd.h"
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/PaneWindowWidget.h"

namespace parlevox {

class MotdWindowWidget final : public PaneWindowWidget {
public:
    explicit MotdWindowWidget(QWidget* parent = nullptr) : PaneWindowWidget(CMotdWnd::kName, Entry::None, parent) {
        SetCentre(&Pane());
    }
};

}  // namespace parlevox
