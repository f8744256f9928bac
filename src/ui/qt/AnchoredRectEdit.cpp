#include "ui/qt/AnchoredRectEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cstdint>
#include <limits>

namespace parlevox {
namespace {

constexpr const char* kSides[] = {"Left:", "Top:", "Right:", "Bottom:"};
constexpr const char* kColumns[] = {"pixels", "+ 256ths of width", "+ 256ths of height"};

// Left and right are x values, top and bottom y values.
std::array<int32_t*, 3> Parts(AnchoredRect& rect, int side) {
    AnchoredPoint& point = side < 2 ? rect.topLeft : rect.bottomRight;
    if (side % 2 == 0) return {&point.xOffset, &point.xShareOfWidth, &point.xShareOfHeight};
    return {&point.yOffset, &point.yShareOfWidth, &point.yShareOfHeight};
}

}  // namespace

AnchoredRectEdit::AnchoredRectEdit(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int column = 0; column < 3; ++column) grid->addWidget(new QLabel(tr(kColumns[column]), this), 0, column + 1);
    for (int side = 0; side < 4; ++side) {
        grid->addWidget(new QLabel(tr(kSides[side]), this), side + 1, 0);
        for (int column = 0; column < 3; ++column) {
            auto* field = new QSpinBox(this);
            // Any stored value shows as it is; the fields stay narrow.
            field->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
            field->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-00000000")) + 24);
            field->setObjectName(QString("rect%1%2").arg(side).arg(column));
            connect(field, &QSpinBox::valueChanged, this, &AnchoredRectEdit::edited);
            fields_[side][column] = field;
            grid->addWidget(field, side + 1, column + 1);
        }
    }
}

void AnchoredRectEdit::SetRect(const AnchoredRect& rect) {
    AnchoredRect shown = rect;
    for (int side = 0; side < 4; ++side) {
        const std::array<int32_t*, 3> parts = Parts(shown, side);
        for (int column = 0; column < 3; ++column) {
            QSignalBlocker block(fields_[side][column]);
            fields_[side][column]->setValue(*parts[column]);
        }
    }
}

AnchoredRect AnchoredRectEdit::Rect() const {
    AnchoredRect rect;
    for (int side = 0; side < 4; ++side) {
        const std::array<int32_t*, 3> parts = Parts(rect, side);
        for (int column = 0; column < 3; ++column) *parts[column] = fields_[side][column]->value();
    }
    return rect;
}

}  // namespace parlevox
