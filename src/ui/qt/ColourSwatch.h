#pragma once
// Scheme colours on buttons: a framed swatch, and QColorDialog for a new
// colour.
#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <optional>

#include "display/WindowsColour.h"

namespace parlevox {

inline QColor ToQColor(WindowsColour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline WindowsColour FromQColor(const QColor& colour) {
    return RgbColour(static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                     static_cast<uint8_t>(colour.blue()));
}

// A button showing a colour; clicking it is the caller's.
class ColourSwatch final : public QPushButton {
    Q_OBJECT

public:
    explicit ColourSwatch(const QString& text = {}, QWidget* parent = nullptr);

    void SetColour(WindowsColour colour);
    WindowsColour Colour() const { return colour_; }
    // QColorDialog on the shown colour; nothing when cancelled.
    std::optional<WindowsColour> Pick(const QString& title);

    static QIcon Icon(WindowsColour colour, QSize size);

private:
    WindowsColour colour_ = 0;
};

}  // namespace parlevox
