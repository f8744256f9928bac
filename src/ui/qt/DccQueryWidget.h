#pragma once
// A file offer waiting for an answer: who offers which file, a button whose
// label and state follow the resume negotiation, and "Decline". The core
// window owns the widget as its view; closing the widget only asks the
// window to go.
#include "dcc/DccViews.h"
#include "ui/qt/ChatWindowWidget.h"

class QLabel;
class QPushButton;

namespace parlevox {

class DccQueryWidget final : public ChatWindowWidget, public DccQueryView {
    Q_OBJECT

public:
    // Shows the window's state at once; the window outlives the widget.
    explicit DccQueryWidget(CDCCQueryWnd& window, QWidget* parent = nullptr);
    ~DccQueryWidget() override;

    // DccQueryView.
    void Updated(const CDCCQueryWnd& window) override;

    QPushButton& AcceptButton() { return *accept_; }
    QPushButton& DeclineButton() { return *decline_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDCCQueryWnd& window_;
    QLabel* from_;
    QLabel* file_;
    QLabel* size_;
    QPushButton* accept_;
    QPushButton* decline_;
};

}  // namespace parlevox
