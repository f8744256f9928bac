#pragma once
// Makes the widgets of the DCC transfer and offer windows and tells the
// front end, which puts them into the main frame. Each widget is its core
// window's view and goes with it. The session finds these views through
// QtChatViews::SetDccViews.
#include <QObject>

#include "dcc/DccViews.h"

namespace parlevox {

class ChatWindowWidget;

class QtDccViews final : public QObject, public DccViews {
    Q_OBJECT

public:
    explicit QtDccViews(QObject* parent = nullptr) : QObject(parent) {}

    std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd& window) override;
    std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd& window) override;
    std::unique_ptr<DccPlugInView> MakePlugInView(CDCCPlugInWnd& window) override;
    // The primary screen's available area.
    DccScreenArea ScreenArea() const override;

signals:
    // The widget shows its window's state and is ready to be shown; the
    // core window takes it as its view.
    void windowOpened(ChatWindowWidget* widget);
};

}  // namespace parlevox
