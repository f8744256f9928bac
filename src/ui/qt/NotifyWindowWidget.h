#pragma once
// The notify window's view ("~Notify", "Notify people"): the online nicks
// of the notify list in a list; a double-click opens a query with the nick.
// Like the command-line window it is the front end's own: its MDI frame
// owns it and closing the frame deletes it.
#include "ui/NotifyWindow.h"
#include "ui/qt/ChatWindowWidget.h"

class QListWidget;
class QListWidgetItem;

namespace parlevox {

class NotifyWindowWidget final : public ChatWindowWidget, public NotifyWindowView {
    Q_OBJECT

public:
    // The window outlives the widget.
    explicit NotifyWindowWidget(CNotifyWindow& window, QWidget* parent = nullptr);
    ~NotifyWindowWidget() override;

    void ShowNicks(const std::vector<std::string>& nicks) override;
    // A narrow list at the right, out of the way of the chat windows.
    QRect FirstPlace(QSize area) const override;

    QListWidget& List() { return *list_; }

private:
    CNotifyWindow& window_;
    QListWidget* list_;
};

}  // namespace parlevox
