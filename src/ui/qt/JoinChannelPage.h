#pragma once
// The join window's "Join" page: a channel (the remembered channels offered
// in the list) and its key, handed on as a "/join" command line.
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace parlevox {

class OptionsRecord;

class JoinChannelPage final : public QWidget {
    Q_OBJECT

public:
    using JoinLine = std::function<void(const std::string& line)>;

    // The record is read here only: the remembered channels and their keys.
    JoinChannelPage(const OptionsRecord& options, JoinLine joinLine, QWidget* parent = nullptr);

    QPushButton* JoinButton() const { return join_; }
    void FocusChannel();

    // "/join #chan key": a '#' goes before a name without a channel prefix.
    static std::string JoinCommand(std::string_view channel, std::string_view key);

private:
    void ChannelPicked(int index);
    void Edited();
    void Join();

    JoinLine joinLine_;
    QComboBox* channel_;
    QLineEdit* key_;
    QLabel* problem_;
    QPushButton* join_;
};

}  // namespace parlevox
