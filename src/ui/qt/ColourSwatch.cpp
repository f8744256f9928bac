#include "ui/qt/ColourSwatch.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace parlevox {

ColourSwatch::ColourSwatch(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setIconSize(QSize(32, 16));
    SetColour(0);
}

void ColourSwatch::SetColour(WindowsColour colour) {
    colour_ = colour & 0xFFFFFF;
    setIcon(Icon(colour_, iconSize()));
}

std::optional<WindowsColour> ColourSwatch::Pick(const QString& title) {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this, title);
    if (!chosen.isValid()) return std::nullopt;
    SetColour(FromQColor(chosen));
    return colour_;
}

// A frame, so that a colour like the window's own still shows.
QIcon ColourSwatch::Icon(WindowsColour colour, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(ToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

}  // namespace parlevox
