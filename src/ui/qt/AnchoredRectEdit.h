#pragma once
// An anchored rectangle as four rows (left, top, right, bottom), each an
// offset in pixels plus shares (in 256ths) of the window's width and
// height. edited() follows every change the person makes.
#include <QWidget>
#include <array>

#include "display/AnchoredPoint.h"

class QSpinBox;

namespace parlevox {

class AnchoredRectEdit final : public QWidget {
    Q_OBJECT

public:
    explicit AnchoredRectEdit(QWidget* parent = nullptr);

    // Shown without counting as an edit.
    void SetRect(const AnchoredRect& rect);
    AnchoredRect Rect() const;

signals:
    void edited();

private:
    // Left, top, right, bottom; each offset, share of width, share of height.
    std::array<std::array<QSpinBox*, 3>, 4> fields_{};
};

}  // namespace parlevox
