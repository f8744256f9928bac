#pragma once
// The entry line under a chat window's pane: Enter hands the line on and
// clears it, Up and Down walk the lines entered before, and Tab completes
// the nick before the cursor from the channel's names list.
#include <QLineEdit>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "ui/NamesList.h"

namespace parlevox {

class InputLine final : public QLineEdit {
    Q_OBJECT

public:
    static constexpr size_t kHistoryLines = 50;

    // False keeps the line in the entry (and out of the history).
    using Entered = std::function<bool(const std::string& line)>;
    using Completer = std::function<NickCompletion(std::string_view prefix)>;

    explicit InputLine(QWidget* parent = nullptr);

    void SetEntered(Entered entered) { entered_ = std::move(entered); }
    // None: Tab does nothing (and still keeps the focus here).
    void SetCompleter(Completer completer) { completer_ = std::move(completer); }

    // Bytes, Windows-1252 read as Latin-1.
    std::string Line() const;
    void SetLine(const std::string& line);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Enter();
    void HistoryUp();
    void HistoryDown();
    void CompleteNick();

    Entered entered_;
    Completer completer_;
    std::deque<std::string> history_;  // oldest first
    size_t historyAt_ = 0;             // == size: the line being written
};

}  // namespace parlevox
