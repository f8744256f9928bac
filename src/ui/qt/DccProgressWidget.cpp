#include "ui/qt/DccProgressWidget.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "dcc/DCCWnd.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

constexpr int kMargin = 10;  // each side: the width's 20 extra pixels
constexpr int kBarGap = 4;
const QColor kRed(0xc0, 0x00, 0x00);

QFont ProgressFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

}  // namespace

DccProgressWidget::DccProgressWidget(CDCCWnd& window, QWidget* parent)
    : ChatWindowWidget(window.Title(), parent), window_(window), lines_(new QVBoxLayout), bar_(new QProgressBar(this)) {
    SetTransient(true);
    setFont(ProgressFont());
    const QFontMetrics metrics(font());
    lineHeight_ = metrics.size(0, QStringLiteral("AJKLpywm")).height();
    setFixedWidth(metrics.horizontalAdvance(QString::fromLatin1(kWidestLine)) + 2 * kMargin);

    // The lines may run into the right margin, as a wider number than the
    // one the width was made for does ("1.29 Mb").
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, 0, kMargin);
    layout->setSpacing(kBarGap);
    lines_->setSpacing(0);
    layout->addLayout(lines_);
    bar_->setFixedHeight(lineHeight_ + 4);
    auto* barRow = new QHBoxLayout;
    barRow->setContentsMargins(0, 0, kMargin, 0);
    barRow->addWidget(bar_);
    layout->addLayout(barRow);
    Updated(window);
    FitHeight();
}

DccProgressWidget::~DccProgressWidget() {
    LeaveFrame();
}

void DccProgressWidget::Updated(const CDCCWnd& window) {
    ShowLines(window);
    ShowProgress(window);
}

void DccProgressWidget::ShowLines(const CDCCWnd& window) {
    const std::vector<DccProgressLine> lines = window.Lines();
    const bool resized = lines.size() != labels_.size();
    while (labels_.size() < lines.size()) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);  // names come from strangers
        label->setFixedHeight(lineHeight_);
        lines_->addWidget(label);
        labels_.push_back(label);
    }
    while (labels_.size() > lines.size()) {
        delete labels_.back();
        labels_.pop_back();
    }
    const int room = width() - kMargin;
    for (size_t i = 0; i < lines.size(); ++i) {
        QLabel* label = labels_[i];
        const QString text = ToQString(lines[i].text);
        const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, room);
        label->setText(shown);
        label->setToolTip(shown == text ? QString() : text);
        QPalette palette = this->palette();
        if (lines[i].red) palette.setColor(QPalette::WindowText, kRed);
        label->setPalette(palette);
    }
    if (resized) FitHeight();
}

// A bar without a size (an empty file) would be Qt's busy indicator.
void DccProgressWidget::ShowProgress(const CDCCWnd& window) {
    const bool done = window.GetState() == CDCCWnd::State::Completed;
    const int maximum = window.ProgressMaximum();
    const int value = maximum > 0 ? std::clamp(window.ProgressValue(), 0, maximum) : (done ? 1 : 0);
    bar_->setRange(0, std::max(maximum, 1));
    bar_->setValue(value);
    const int percent =
        maximum > 0 ? static_cast<int>(static_cast<int64_t>(value) * 100 / maximum) : (done ? 100 : 0);
    ShowTransferProgress(window.Title(), percent);
}

void DccProgressWidget::FitHeight() {
    setFixedHeight(2 * kMargin + static_cast<int>(labels_.size()) * lineHeight_ + kBarGap + bar_->maximumHeight());
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->resize(frame->sizeHint());
}

QStringList DccProgressWidget::LineTexts() const {
    QStringList texts;
    for (const QLabel* label : labels_) texts << (label->toolTip().isEmpty() ? label->text() : label->toolTip());
    return texts;
}

bool DccProgressWidget::IsLineRed(int index) const {
    return index >= 0 && static_cast<size_t>(index) < labels_.size() &&
           labels_[static_cast<size_t>(index)]->palette().color(QPalette::WindowText) == kRed;
}

void DccProgressWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    window_.RequestClose();
}

}  // namespace parlevox
