#include "ui/qt/InputLine.h"

#include <QKeyEvent>
#include <QPointer>

#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

// The nick being typed: the word that ends at the cursor.
qsizetype WordStart(const QString& text, qsizetype cursor) {
    qsizetype start = cursor;
    while (start > 0 && !text[start - 1].isSpace()) --start;
    return start;
}

}  // namespace

InputLine::InputLine(QWidget* parent) : QLineEdit(parent) {}

std::string InputLine::Line() const {
    return ToBytes(text());
}

void InputLine::SetLine(const std::string& line) {
    setText(ToQString(line));
}

// Tab would move the focus before keyPressEvent sees it.
bool InputLine::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            CompleteNick();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputLine::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return Enter();
        case Qt::Key_Up: return HistoryUp();
        case Qt::Key_Down: return HistoryDown();
        default: return QLineEdit::keyPressEvent(event);
    }
}

void InputLine::Enter() {
    const std::string line = Line();
    if (line.empty() || !entered_) return;
    // A box the command shows runs a nested loop, in which the core may
    // close this line's window.
    const QPointer<InputLine> self(this);
    if (!entered_(line) || !self) return;
    clear();
    if (history_.empty() || history_.back() != line) history_.push_back(line);
    if (history_.size() > kHistoryLines) history_.pop_front();
    historyAt_ = history_.size();
}

void InputLine::HistoryUp() {
    if (historyAt_ == 0) return;
    SetLine(history_[--historyAt_]);
}

void InputLine::HistoryDown() {
    if (historyAt_ >= history_.size()) return;
    ++historyAt_;
    if (historyAt_ == history_.size()) {
        clear();
        return;
    }
    SetLine(history_[historyAt_]);
}

void InputLine::CompleteNick() {
    if (!completer_) return;
    const QString current = text();
    const qsizetype cursor = cursorPosition();
    const qsizetype start = WordStart(current, cursor);
    if (start == cursor) return;
    const std::string prefix = ToBytes(current.mid(start, cursor - start));
    const NickCompletion completion = completer_(prefix);
    if (!completion.found || completion.suffix.empty()) return;
    insert(ToQString(completion.suffix));
}

}  // namespace parlevox
