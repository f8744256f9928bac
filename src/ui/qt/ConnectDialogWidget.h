#pragma once
// The connect dialog's window: the progress lines of the connection being
// made, and Cancel. When every server failed it stays open with "Try again".
#include <QDialog>
#include <functional>

#include "ui/ConnectDlg.h"

class QListWidget;
class QPushButton;

namespace parlevox {

class ConnectDialogWidget : public QDialog, public ConnectDlgView {
    Q_OBJECT

public:
    explicit ConnectDialogWidget(QWidget* parent = nullptr);

    // Cancel pressed while connecting; Try again after every server failed.
    std::function<void()> onCancel;
    std::function<void()> onRetry;
    // The dialog closed; connected or not.
    std::function<void(bool connected)> onClosed;

    void Begin();

    void AddStatusLine(const std::string& text) override;
    void AllServersFailed() override;
    void DialogClosed(bool connected) override;

protected:
    void reject() override;

private:
    QListWidget* lines_;
    QPushButton* retry_;
    QPushButton* cancel_;
    bool failed_ = false;
};

}  // namespace parlevox
