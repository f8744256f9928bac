#include "SetupWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "display/ButtonStripLayout.h"
#include "installer/SetupFrontEnd.h"
#include "installer/SetupSession.h"
#include "installer/SetupTexts.h"
#include "installer/SetupUninstall.h"
#include "ui/qt/ArtImage.h"
#include "ui/qt/QtUserInterface.h"

namespace parlevox {
namespace {

namespace layout = parlevox::layout;

constexpr int kBoxWidth = 292, kControlHeight = 25, kBarHeight = 26;
// The two areas of the picture inverted while a file is read and unpacked.
const QRect kReadingArea(layout::kSetupStageX, layout::kSetupReadingY, layout::kSetupStageWidth,
                         layout::kSetupStageHeight);
const QRect kUnpackingArea(layout::kSetupStageX, layout::kSetupUnpackingY, layout::kSetupStageWidth,
                           layout::kSetupStageHeight);

QString ToQString(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The setup window: the picture with the folder box and "Go" under it.
// Every step runs inside the button's handler; it paints explicitly while
// it unpacks, as the window cannot repaint by itself meanwhile.
class SetupWindow final : public QWidget, public SetupFrontEnd {
public:
    explicit SetupWindow(const SetupOptions& options) : session_(*this, options) {
        setWindowTitle(QStringLiteral("Parlevox setup"));
        setFixedSize(layout::kSetupWidth, layout::kSetupHeight);
        picture_ = LoadArt("Screen");
        folder_ = new QLineEdit(this);
        folder_->setGeometry(0, layout::kSetupControlsY, kBoxWidth, kControlHeight);
        folder_->setAlignment(Qt::AlignCenter);
        folder_->setText(ToQString(std::string(setup_texts::kSearching)));
        folder_->setEnabled(false);
        go_ = new QPushButton(QStringLiteral("Go"), this);
        go_->setGeometry(kBoxWidth, layout::kSetupControlsY, layout::kSetupWidth - kBoxWidth, kControlHeight);
        go_->setEnabled(false);
        connect(go_, &QPushButton::clicked, this, [this] { OnGo(); });
        connect(folder_, &QLineEdit::returnPressed, go_, &QPushButton::click);
    }

    SetupSession& Session() { return session_; }
    bool PictureLoaded() const { return !picture_.isNull(); }

    // The search runs once, shortly after the window shows. With a picture
    // path the window is drawn into it once ready, and setup ends there.
    void StartSearch(QString picturePath) {
        QTimer::singleShot(100, this, [this, picturePath] {
            session_.Search();
            if (!picturePath.isEmpty() && !session_.Finished()) {
                QCoreApplication::exit(grab().save(picturePath) ? 0 : 1);
                return;
            }
            EndIfFinished();
        });
    }

    MessageResult ShowMessage(const MessageBoxRequest& box) override {
        const std::unique_ptr<QMessageBox> dialog = QtUserInterface::MakeBox(box, isVisible() ? this : nullptr);
        return QtUserInterface::ResultFor(dialog->exec(), box.buttons);
    }

    void ShowFolder(const std::string& text, bool editable) override {
        folder_->setText(ToQString(text));
        folder_->setEnabled(editable);
        folder_->show();
        boxHidden_ = false;  // back to the box: the bar's place is its again
        if (editable) folder_->setFocus();
    }

    void HideFolder() override {
        folder_->hide();
        boxHidden_ = true;
        Paint();
    }

    void EnableGo(bool enabled) override { go_->setEnabled(enabled); }

    void ShowStage(Stage stage) override {
        stage_ = stage;
        Paint();
    }

    void ShowProgress(uint64_t done, uint64_t total) override {
        barWidth_ = total == 0 ? 0 : static_cast<int>(done * kBoxWidth / total);
        Paint();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
        if (stage_ != Stage::None) {
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(stage_ == Stage::Reading ? kReadingArea : kUnpackingArea, Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        if (boxHidden_) {
            painter.fillRect(0, layout::kSetupControlsY, kBoxWidth, kBarHeight, Qt::white);
            painter.fillRect(0, layout::kSetupControlsY, barWidth_, kBarHeight, Qt::black);
        }
    }

    void closeEvent(QCloseEvent* event) override {
        if (busy_) event->ignore();  // the steps in progress own the window
        else event->accept();
    }

private:
    void Paint() {
        repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    void OnGo() {
        busy_ = true;
        session_.Go(folder_->text().toStdString());
        busy_ = false;
        EndIfFinished();
    }

    void EndIfFinished() {
        if (session_.Finished()) QCoreApplication::exit(session_.ExitCode());
    }

    SetupSession session_;
    QImage picture_;
    QLineEdit* folder_ = nullptr;
    QPushButton* go_ = nullptr;
    Stage stage_ = Stage::None;
    bool boxHidden_ = false;
    bool busy_ = false;
    int barWidth_ = 0;
};

// Uninstalling has no window of its own: its questions are message boxes.
class UninstallBoxes final : public SetupFrontEnd {
public:
    MessageResult ShowMessage(const MessageBoxRequest& box) override {
        const std::unique_ptr<QMessageBox> dialog = QtUserInterface::MakeBox(box);
        return QtUserInterface::ResultFor(dialog->exec(), box.buttons);
    }
    void ShowFolder(const std::string&, bool) override {}
    void HideFolder() override {}
    void EnableGo(bool) override {}
    void ShowStage(Stage) override {}
    void ShowProgress(uint64_t, uint64_t) override {}
};

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace

int RunSetupWindow(SetupOptions options, int argc, char** argv) {
    QApplication application(argc, argv);
    SetupWindow window(options);
    if (!window.Session().Start()) return window.Session().ExitCode();
    if (!window.PictureLoaded()) {
        window.ShowMessage({std::string(setup_texts::kSetupErrorTitle), setup_texts::BitmapError(), MessageIcon::Stop,
                            MessageButtons::Ok});
        return 1;
    }
    CentreOnScreen(window);
    window.show();
    window.StartSearch(qEnvironmentVariable("PARLEVOX_SETUP_PICTURE"));
    return QApplication::exec();
}

int RunUninstallWindow(const std::optional<std::string>& folder, int argc, char** argv) {
    QApplication application(argc, argv);
    UninstallBoxes boxes;
    if (!folder) {
        boxes.ShowMessage({std::string(setup_texts::kUninstallErrorTitle), std::string(setup_texts::kNoInstallation),
                           MessageIcon::Stop, MessageButtons::Ok});
        return 1;
    }
    return SetupUninstall(boxes, UninstallOptions{*folder}).Run();
}

}  // namespace parlevox
