#include "ui/qt/ChannelWindowWidget.h"

#include <QSplitter>

#include "ui/NamesList.h"
#include "ui/qt/InputLine.h"
#include "ui/qt/NamesListWidget.h"
#include "ui/qt/OutputPaneWidget.h"

namespace parlevox {
namespace {

constexpr int kNamesWidth = 120;

}  // namespace

ChannelWindowWidget::ChannelWindowWidget(std::string channel, QWidget* parent)
    : PaneWindowWidget(std::move(channel), Entry::Line, parent),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      names_(new NamesListWidget(splitter_)) {
    splitter_->insertWidget(0, &Pane());
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({4 * kNamesWidth, kNamesWidth});
    SetCentre(splitter_);
    // Typing in the list goes on in the input line.
    connect(names_, &NamesListWidget::characterTyped, this, [this](const QString& text) {
        Input()->setFocus();
        Input()->insert(text);
    });
}

ChannelWindowWidget::~ChannelWindowWidget() {
    names_->Attach(nullptr);
}

void ChannelWindowWidget::Attach(CChatWindow& window, CNamesList* names) {
    PaneWindowWidget::Attach(window);
    names_->Attach(names);
    if (!names) return;
    Input()->SetCompleter([names](std::string_view prefix) { return names->Complete(prefix); });
}

void ChannelWindowWidget::InputEnabled(bool enabled) {
    connected_ = enabled;
    PaneWindowWidget::InputEnabled(enabled);
}

void ChannelWindowWidget::NicknameMenu(const std::string& nickname, int x, int y) {
    ShowUserMenu(&Pane(), x, y, MenuKind::Both, {WindowName(), nickname});
}

void ChannelWindowWidget::NamesListMenu(const std::string& nickname, int x, int y) {
    ShowUserMenu(names_, x, y, MenuKind::Both, {WindowName(), nickname});
}

void ChannelWindowWidget::UserClosed() {
    if (!Window()) return;
    if (connected_) Window()->Type("/part " + Window()->Name());
    else Window()->RequestClose();
}

}  // namespace parlevox
