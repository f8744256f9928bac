#include "ui/qt/QtDccViews.h"

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

}  // namespace parlevox
