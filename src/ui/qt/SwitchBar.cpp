#include "ui/qt/SwitchBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace parlevox {
namespace {

constexpr int kButtonWidth = 120;

}  // namespace

SwitchBar::SwitchBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 4, 1);
    layout->setSpacing(2);
    buttons_ = new QHBoxLayout;
    buttons_->setSpacing(2);
    layout->addLayout(buttons_);
    layout->addStretch(1);
    lag_ = new QLabel(this);
    layout->addWidget(lag_);
}

SwitchBar::Entry* SwitchBar::Find(const QWidget* window) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [window](const Entry& e) { return e.window == window; });
    return it == entries_.end() ? nullptr : &*it;
}

const SwitchBar::Entry* SwitchBar::Find(const QWidget* window) const {
    return const_cast<SwitchBar*>(this)->Find(window);
}

void SwitchBar::Add(const QWidget* window, const QString& caption) {
    if (Find(window)) return;
    auto* button = new QPushButton(this);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);  // the keyboard stays in the window's input line
    button->setMaximumWidth(kButtonWidth);
    connect(button, &QPushButton::clicked, this, [this, window] {
        if (Entry* entry = Find(window)) entry->button->setChecked(window == active_);
        emit activateRequested(window);
    });
    buttons_->addWidget(button);
    entries_.push_back({window, button});
    SetCaption(window, caption);
    Paint(entries_.back());
}

void SwitchBar::Remove(const QWidget* window) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [window](const Entry& e) { return e.window == window; });
    if (it == entries_.end()) return;
    delete it->button;
    entries_.erase(it);
    if (active_ == window) active_ = nullptr;
}

void SwitchBar::SetCaption(const QWidget* window, const QString& caption) {
    Entry* entry = Find(window);
    if (!entry) return;
    QFontMetrics metrics(entry->button->font());
    entry->button->setText(metrics.elidedText(caption, Qt::ElideRight, kButtonWidth - 12));
    entry->button->setToolTip(caption);
}

void SwitchBar::SetActive(const QWidget* window) {
    active_ = window;
    for (Entry& entry : entries_) {
        if (entry.window == window) entry.red = false;
        Paint(entry);
    }
}

void SwitchBar::LineShown(const QWidget* window) {
    Entry* entry = Find(window);
    if (!entry || window == active_ || entry->red) return;
    entry->red = true;
    Paint(*entry);
}

bool SwitchBar::IsRed(const QWidget* window) const {
    const Entry* entry = Find(window);
    return entry && entry->red;
}

void SwitchBar::Paint(Entry& entry) {
    entry.button->setChecked(entry.window == active_);
    entry.button->setStyleSheet(entry.red ? "color: #d00000; font-weight: bold;" : QString());
}

void SwitchBar::SetLag(int seconds, bool late) {
    lag_->setText(QString::asprintf("Lag %is", seconds));
    lag_->setStyleSheet(late ? "color: #d00000;" : "color: black;");
}

void SwitchBar::ClearLag() {
    lag_->clear();
}

const QWidget* SwitchBar::WindowAt(size_t index) const {
    return index < entries_.size() ? entries_[index].window : nullptr;
}

}  // namespace parlevox
