#include "ui/qt/MainFrameWidget.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include "common/TextHelpers.h"
#include "display/ButtonStripLayout.h"
#include "settings/WindowPositions.h"
#include "ui/qt/ArtImage.h"
#include "ui/qt/ButtonStrip.h"
#include "ui/qt/ChannelButtonBar.h"
#include "ui/qt/ChatWindowWidget.h"
#include "ui/qt/SwitchBar.h"

namespace parlevox {
namespace {

constexpr const char* kControlTips[] = {"Connect", "Disconnect", "Join a channel", "Notify list", "Preferences"};
constexpr MainFrameWidget::Control kStripControls[] = {
    MainFrameWidget::Control::Connect, MainFrameWidget::Control::Disconnect, MainFrameWidget::Control::JoinChannel,
    MainFrameWidget::Control::NotifyList, MainFrameWidget::Control::Preferences};

QToolBar* FixedBar(QMainWindow* window, const char* name, Qt::ToolBarArea area) {
    auto* bar = new QToolBar(QString::fromLatin1(name), window);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    window->addToolBar(area, bar);
    return bar;
}

}  // namespace

MainFrameWidget::MainFrameWidget(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Parlevox");
    area_ = new QMdiArea(this);
    area_->setBackground(QColor(0x40, 0x48, 0x58));
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(area_);
    switchBar_ = new SwitchBar(this);
    FixedBar(this, "Switch bar", Qt::BottomToolBarArea)->addWidget(switchBar_);
    BuildControls();
    BuildShortcuts();
    connect(area_, &QMdiArea::subWindowActivated, this, &MainFrameWidget::WindowActivated);
    connect(switchBar_, &SwitchBar::activateRequested, this, &MainFrameWidget::Activate);
}

MainFrameWidget::~MainFrameWidget() {
    // The windows belong to their owners, who are gone or going: their
    // frames must not delete them, and nothing may call back into this
    // half-destroyed frame.
    area_->disconnect(this);
    for (QMdiSubWindow* frame : area_->subWindowList()) {
        frame->removeEventFilter(this);
        frame->disconnect(this);
        if (QWidget* window = frame->widget()) {
            window->disconnect(this);
            window->setParent(nullptr);
        }
    }
}

void MainFrameWidget::BuildControls() {
    QToolBar* bar = FixedBar(this, "Control bar", Qt::TopToolBarArea);
    std::vector<ButtonStrip::Button> buttons;
    for (int i = 0; i < layout::kControlBarButtonCount; ++i) {
        const PixelRect& r = layout::kControlBarButtons[static_cast<size_t>(i)];
        buttons.push_back({QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), kControlTips[i]});
    }
    controlBar_ = new ButtonStrip(LoadArt("BV-CTRL"), LoadArt("BV-CTRLD"), LoadArt("BV-CTRLO"), buttons, this);
    connect(controlBar_, &ButtonStrip::clicked, this, [this](int index) {
        if (index >= 0 && index < layout::kControlBarButtonCount) emit controlClicked(kStripControls[index]);
    });
    bar->addWidget(controlBar_);
    bar->addSeparator();
    auto addTextButton = [&](const char* text, const char* tip, Control control) {
        auto* button = new QToolButton(bar);
        button->setText(QString::fromLatin1(text));
        button->setToolTip(QString::fromLatin1(tip));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, control] { emit controlClicked(control); });
        bar->addWidget(button);
    };
    addTextButton("Nickname", "Change your nickname (Ctrl+Shift+N)", Control::ChangeNick);
    addTextButton("Command line", "The command line window (Ctrl+L)", Control::CommandLine);
    addTextButton("Scripting", "Modules, script functions, variables and reactions", Control::Scripting);
    addTextButton("Help", "Help (F1)", Control::Help);

    channelBar_ = new ChannelButtonBar(this);
    QToolBar* channels = FixedBar(this, "Channel buttons", Qt::TopToolBarArea);
    channels->addWidget(channelBar_);
    channels->setVisible(false);
    connect(channelBar_, &ChannelButtonBar::channelClicked, this, &MainFrameWidget::channelButtonClicked);
}

void MainFrameWidget::BuildShortcuts() {
    auto shortcut = [this](QKeySequence keys, auto action) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { area_->activateNextSubWindow(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { area_->activatePreviousSubWindow(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_W), [this] {
        if (QMdiSubWindow* frame = area_->activeSubWindow()) frame->close();
    });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { emit controlClicked(Control::CommandLine); });
    shortcut(QKeySequence(Qt::Key_F1), [this] { emit controlClicked(Control::Help); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), [this] { emit controlClicked(Control::ChangeNick); });
    for (int n = 1; n <= 9; ++n)
        shortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + n)), [this, n] {
            if (const QWidget* window = switchBar_->WindowAt(static_cast<size_t>(n - 1))) Activate(window);
        });
}

void MainFrameWidget::SetSoundPlayer(SoundPlayer player) {
    play_ = player;
    controlBar_->SetSoundPlayer(player);
    channelBar_->SetSoundPlayer(player);
}

void MainFrameWidget::Play(const char* event) {
    if (play_) play_(event);
}

void MainFrameWidget::SetFavourites(std::vector<std::string> channels) {
    bool any = !channels.empty();
    channelBar_->SetChannels(std::move(channels));
    if (auto* bar = findChild<QToolBar*>("Channel buttons")) bar->setVisible(any);
}

void MainFrameWidget::AddWindow(ChatWindowWidget* window, bool activate) {
    auto* frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setWidget(window);
    // A caption the core window gave before it was shown ("bob - DCC Chat").
    frame->setWindowTitle(window->windowTitle().isEmpty() ? QString::fromLatin1(window->WindowName().c_str())
                                                          : window->windowTitle());
    area_->addSubWindow(frame);
    frame->installEventFilter(this);
    PlaceWindow(frame, *window);
    if (window->OnSwitchBar()) switchBar_->Add(window, frame->windowTitle());

    connect(window, &ChatWindowWidget::lineShown, this, [this, window] { switchBar_->LineShown(window); });
    connect(window, &ChatWindowWidget::captionChanged, this, [this, frame, window](const QString& caption) {
        frame->setWindowTitle(caption);
        switchBar_->SetCaption(window, caption);
    });
    connect(window, &ChatWindowWidget::buttonCaptionChanged, this,
            [this, window](const QString& caption) { switchBar_->SetCaption(window, caption); });
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (!(before & Qt::WindowMinimized) && (now & Qt::WindowMinimized)) Play("Window minimise");
        if ((before & Qt::WindowMinimized) && !(now & Qt::WindowMinimized)) Play("Window restore");
    });
    // The owner destroys the widget; its frame follows once the widget has
    // left it (a frame deleted at once would delete the widget again).
    std::string name = window->Transient() ? std::string() : window->WindowName();
    connect(window, &QObject::destroyed, this, [this, frame, name, window] {
        switchBar_->Remove(window);
        WindowGone(frame, name);
    });
    frame->show();
    if (activate) area_->setActiveSubWindow(frame);
}

void MainFrameWidget::WindowGone(QMdiSubWindow* frame, const std::string& name) {
    Remember(frame, name);
    frame->removeEventFilter(this);
    if (active_ == frame) active_ = nullptr;
    frame->hide();
    frame->deleteLater();
    Play("Window close");
}

void MainFrameWidget::PlaceWindow(QMdiSubWindow* frame, const ChatWindowWidget& window) {
    QSize area = area_->viewport()->size();
    WindowRect screen{0, 0, std::max(area.width(), 320), std::max(area.height(), 240)};
    const int cascade = 20 * (static_cast<int>(area_->subWindowList().size()) % 8);
    WindowRect wanted{cascade, cascade, screen.width * 3 / 4, screen.height * 3 / 4};
    if (const QRect first = window.FirstPlace(area); first.isValid())
        wanted = {first.x(), first.y(), first.width(), first.height()};
    WindowRect fitted;
    if (window.Transient()) {
        const QSize own = frame->sizeHint();
        fitted = FitOnScreen({cascade, cascade, own.width(), own.height()}, screen, own.width(), own.height());
    } else {
        if (positions_)
            if (auto stored = positions_->Find(window.WindowName())) wanted = *stored;
        fitted = FitOnScreen(wanted, screen, 160, 100);
    }
    frame->setGeometry(fitted.left, fitted.top, fitted.width, fitted.height);
}

// A transient window has no name here: it is not remembered.
void MainFrameWidget::Remember(QMdiSubWindow* frame, const std::string& name) {
    if (!positions_ || name.empty() || frame->isMinimized() || frame->isMaximized()) return;
    QRect r = frame->geometry();
    positions_->Remember(name, {r.x(), r.y(), r.width(), r.height()});
}

void MainFrameWidget::RememberWindowPositions() {
    for (QMdiSubWindow* frame : area_->subWindowList())
        if (auto* window = qobject_cast<ChatWindowWidget*>(frame->widget()); window && !window->Transient())
            Remember(frame, window->WindowName());
}

QMdiSubWindow* MainFrameWidget::FrameOf(const QWidget* window) const {
    for (QMdiSubWindow* frame : area_->subWindowList())
        if (frame->widget() == window) return frame;
    return nullptr;
}

void MainFrameWidget::Activate(const QWidget* window) {
    QMdiSubWindow* frame = FrameOf(window);
    if (!frame) return;
    if (frame->isMinimized()) frame->showNormal();
    area_->setActiveSubWindow(frame);
    frame->widget()->setFocus();
}

ChatWindowWidget* MainFrameWidget::ActiveWindow() const {
    QMdiSubWindow* frame = area_->activeSubWindow();
    return frame ? qobject_cast<ChatWindowWidget*>(frame->widget()) : nullptr;
}

ChatWindowWidget* MainFrameWidget::FindWindow(std::string_view name) const {
    for (QMdiSubWindow* frame : area_->subWindowList())
        if (auto* window = qobject_cast<ChatWindowWidget*>(frame->widget()))
            if (EqualsIgnoringCase(window->WindowName(), name)) return window;
    return nullptr;
}

void MainFrameWidget::WindowActivated(QMdiSubWindow* frame) {
    if (!frame || frame == active_) return;
    if (active_) Play("Switch to different window");
    active_ = frame;
    switchBar_->SetActive(frame->widget());
}

// A window's close box asks its window to go; only its owner destroys it.
bool MainFrameWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        auto* frame = qobject_cast<QMdiSubWindow*>(watched);
        if (frame && frame->widget()) {
            event->ignore();
            frame->widget()->close();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainFrameWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

}  // namespace parlevox
