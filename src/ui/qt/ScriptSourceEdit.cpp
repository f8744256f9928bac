#include "ui/qt/ScriptSourceEdit.h"

#include <algorithm>

#include <QFontDatabase>
#include <QPainter>
#include <QPaintEvent>
#include <QTextBlock>

namespace parlevox {

class ScriptSourceEdit::Gutter final : public QWidget {
public:
    explicit Gutter(ScriptSourceEdit& editor) : QWidget(&editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_.GutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_.PaintGutter(event); }

private:
    ScriptSourceEdit& editor_;
};

ScriptSourceEdit::ScriptSourceEdit(QWidget* parent) : QPlainTextEdit(parent), gutter_(new Gutter(*this)) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 2);
    // Tab indents, as in any code editor; Ctrl+Tab leaves for the next control.
    setTabChangesFocus(false);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { setViewportMargins(GutterWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptSourceEdit::UpdateGutter);
    setViewportMargins(GutterWidth(), 0, 0, 0);
}

int ScriptSourceEdit::GutterWidth() const {
    int digits = 1;
    for (int lines = std::max(1, blockCount()); lines >= 10; lines /= 10) ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits, 3);
}

void ScriptSourceEdit::PlaceCursor(int offset) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(offset, 0, document()->characterCount() - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
    setFocus();
}

void ScriptSourceEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    QRect area = contentsRect();
    gutter_->setGeometry(QRect(area.left(), area.top(), GutterWidth(), area.height()));
}

void ScriptSourceEdit::UpdateGutter(const QRect& rect, int dy) {
    if (dy) gutter_->scroll(0, dy);
    else gutter_->update(0, rect.y(), gutter_->width(), rect.height());
}

void ScriptSourceEdit::PaintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(gutter_->width() - 1, event->rect().top(), gutter_->width() - 1, event->rect().bottom());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, gutter_->width() - 6, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}

}  // namespace parlevox
