#pragma once
// A file transfer's progress window: the transfer's lines (a failure's in
// red) above a bar, at a fixed size that fits the longest usual line. The
// core window owns the widget as its view; closing the widget only asks
// the window to go (the DCC control destroys it, and this widget with it).
#include <QString>
#include <vector>

#include "dcc/DccViews.h"
#include "ui/qt/ChatWindowWidget.h"

class QLabel;
class QProgressBar;
class QVBoxLayout;

namespace parlevox {

class DccProgressWidget final : public ChatWindowWidget, public DccProgressView {
    Q_OBJECT

public:
    // What the window's width is made for.
    static constexpr const char* kWidestLine = "Bytes acknowledged: 9.9 Mb";

    // Shows the window's state at once; the window outlives the widget.
    explicit DccProgressWidget(CDCCWnd& window, QWidget* parent = nullptr);
    ~DccProgressWidget() override;

    // DccProgressView.
    void Updated(const CDCCWnd& window) override;

    // What the widget shows, for the tests.
    QStringList LineTexts() const;
    bool IsLineRed(int index) const;
    const QProgressBar& Bar() const { return *bar_; }
    // The switch bar's caption: the percentage, then the title.

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowLines(const CDCCWnd& window);
    void ShowProgress(const CDCCWnd& window);
    void FitHeight();

    CDCCWnd& window_;
    QVBoxLayout* lines_;
    std::vector<QLabel*> labels_;
    QProgressBar* bar_;
    int lineHeight_;
};

}  // namespace parlevox
