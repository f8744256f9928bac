#include "ui/qt/ButtonStrip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace parlevox {

ButtonStrip::ButtonStrip(QImage normal, QImage pressed, QImage over, std::vector<Button> buttons, QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    SetArt(std::move(normal), std::move(pressed), std::move(over), std::move(buttons));
}

void ButtonStrip::SetArt(QImage normal, QImage pressed, QImage over, std::vector<Button> buttons) {
    normal_ = std::move(normal);
    pressed_ = std::move(pressed);
    over_ = std::move(over);
    buttons_ = std::move(buttons);
    hover_ = down_ = -1;
    setFixedSize(normal_.size());
    update();
}

int ButtonStrip::ButtonAt(QPoint point) const {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].area.contains(point)) return static_cast<int>(i);
    return -1;
}

void ButtonStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, normal_);
    auto drawButton = [&](int index, const QImage& state) {
        const QRect& area = buttons_[static_cast<size_t>(index)].area;
        painter.drawImage(area.topLeft(), state, area);
    };
    if (down_ >= 0) {
        if (down_ == hover_) drawButton(down_, pressed_);  // dragged off, it shows released
    } else if (hover_ >= 0) {
        drawButton(hover_, over_);
    }
}

void ButtonStrip::Play(const char* event) {
    if (play_) play_(event);
}

void ButtonStrip::SetHover(int index) {
    if (index == hover_) return;
    hover_ = index;
    if (index >= 0 && down_ < 0) Play("Mouse over button");
    update();
}

void ButtonStrip::mouseMoveEvent(QMouseEvent* event) {
    SetHover(ButtonAt(event->position().toPoint()));
}

void ButtonStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    down_ = ButtonAt(event->position().toPoint());
    if (down_ >= 0) Play("Button down");
    update();
}

void ButtonStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || down_ < 0) return;
    int released = down_;
    down_ = -1;
    update();
    Play("Button up");
    if (ButtonAt(event->position().toPoint()) == released) emit clicked(released);
}

void ButtonStrip::leaveEvent(QEvent*) {
    SetHover(-1);
}

bool ButtonStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        int index = ButtonAt(help->pos());
        if (index >= 0 && !buttons_[static_cast<size_t>(index)].tip.isEmpty())
            QToolTip::showText(help->globalPos(), buttons_[static_cast<size_t>(index)].tip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace parlevox
