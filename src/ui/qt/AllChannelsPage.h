#pragma once
// The join window's "All channels" page: the server's channel list within
// the page's filters. "Refresh" starts a listing and stays off until it
// ends; the table takes what arrived every 100 ms, so a network's hundred
// thousand channels fill it while the window keeps repainting. Leaving the
// page (or closing the window) stops listening.
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ui/ChannelListQuery.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace parlevox {

class ChannelListModel;
class OptionsRecord;
struct JoinWindowContext;

class AllChannelsPage final : public QWidget {
    Q_OBJECT

public:
    using ChannelAction = std::function<void(const std::string& channel)>;

    static constexpr int kTakeEveryMs = 100;

    // Without a loop and a connection in the context nothing can be listed.
    AllChannelsPage(const JoinWindowContext& context, ChannelAction join, ChannelAction addFavourite,
                    QWidget* parent = nullptr);
    ~AllChannelsPage() override;

    QPushButton* JoinButton() const { return join_; }
    const ChannelListModel& Model() const { return *model_; }
    bool Listing() const;
    // The page is left: a running listing stops.
    void Leave();
    // The selected channel; empty when none is.
    std::string SelectedChannel() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChannelListFilter Filter() const;
    void Refresh();
    void TakeArrived();
    void SelectionChanged();
    void ShowCount(const char* text);

    const OptionsRecord& options_;
    const ConnectionState* connection_;
    ChannelAction joinChannel_;
    ChannelAction addFavourite_;
    std::unique_ptr<CChannelListQuery> query_;
    ChannelListModel* model_;
    QTimer* take_;
    QSpinBox* minUsers_;
    QSpinBox* maxUsers_;
    QLineEdit* filter_;
    QPushButton* refresh_;
    QLabel* count_;
    QTableView* table_;
    QPushButton* join_;
    QPushButton* favourite_;
};

}  // namespace parlevox
