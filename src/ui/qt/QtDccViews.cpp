#include "ui/qt/QtDccViews.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/qt/DccPlugInWidget.h"
#include "ui/qt/DccProgressWidget.h"
#include "ui/qt/DccQueryWidget.h"

namespace parlevox {

std::unique_ptr<DccProgressView> QtDccViews::MakeProgressView(CDCCWnd& window) {
    auto widget = std::make_unique<DccProgressWidget>(window);
    emit windowOpened(widget.get());
    return widget;
}

std::unique_ptr<DccQueryView> QtDccViews::MakeQueryView(CDCCQueryWnd& window) {
    auto widget = std::make_unique<DccQueryWidget>(window);
    emit windowOpened(widget.get());
    return widget;
}

std::unique_ptr<DccPlugInView> QtDccViews::MakePlugInView(CDCCPlugInWnd& window) {
    auto widget = std::make_unique<DccPlugInWidget>(window);
    emit windowOpened(widget.get());
    return widget;
}

DccScreenArea QtDccViews::ScreenArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->availableGeometry().size();
    return {size.width(), size.height()};
}

}  // namespace parlevox
