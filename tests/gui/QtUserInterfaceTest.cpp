#include "ui/qt/QtUserInterface.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTimer>

namespace parlevox {
namespace {

TEST(QtUserInterfaceTest, BoxesKeepTitleTextIconAndButtons) {
    struct Case {
        MessageIcon icon;
        MessageButtons buttons;
        QMessageBox::Icon qtIcon;
        QMessageBox::StandardButtons qtButtons;
        QMessageBox::StandardButton defaultButton;
        QMessageBox::StandardButton escapeButton;  // NoButton: none
    };
    const Case cases[] = {
        {MessageIcon::None, MessageButtons::Ok, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok,
         QMessageBox::Ok},
        {MessageIcon::Information, MessageButtons::OkCancel, QMessageBox::Information,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel},
        {MessageIcon::Exclamation, MessageButtons::YesNo, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes, QMessageBox::NoButton},
        {MessageIcon::Question, MessageButtons::YesNoCancel, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel},
        {MessageIcon::Stop, MessageButtons::Ok, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
         QMessageBox::Ok},
        {MessageIcon::Question, MessageButtons::YesNoDefaultNo, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::NoButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.icon));
        const auto box = QtUserInterface::MakeBox({"Title \xE9", "<b>not markup</b>", c.icon, c.buttons});
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Title \u00e9"));
        EXPECT_EQ(box->text(), "<b>not markup</b>");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), c.qtIcon);
        EXPECT_EQ(box->standardButtons(), c.qtButtons);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
        if (c.escapeButton != QMessageBox::NoButton) {
            EXPECT_EQ(box->standardButton(box->escapeButton()), c.escapeButton);
        }
    }
}

// The question before a program starts preselects Cancel.
TEST(QtUserInterfaceTest, ABoxMayPreselectAnotherButton) {
    MessageBoxRequest request {"Parlevox", "Run?", MessageIcon::Question, MessageButtons::YesNoCancel};
    request.defaultButton = 3;
    const auto box = QtUserInterface::MakeBox(request);
    EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::Cancel);
}

// Escape or the title bar: Cancel where there is one, else No, else OK.
TEST(QtUserInterfaceTest, BoxClosedWithoutAButtonAnswersTheSafeChoice) {
    const std::pair<MessageButtons, MessageResult> cases[] = {
        {MessageButtons::Ok, MessageResult::Ok},
        {MessageButtons::OkCancel, MessageResult::Cancel},
        {MessageButtons::YesNo, MessageResult::No},
        {MessageButtons::YesNoCancel, MessageResult::Cancel},
        {MessageButtons::YesNoDefaultNo, MessageResult::No},
    };
    for (const auto& [buttons, result] : cases)
        EXPECT_EQ(QtUserInterface::ResultFor(QMessageBox::NoButton, buttons), result) << static_cast<int>(buttons);
}

TEST(QtUserInterfaceTest, ShownBoxReturnsTheButtonTheUserPressed) {
    QtUserInterface ui;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) box->button(QMessageBox::No)->click();
    });
    // With no box to press the answer would stay open: the watchdog closes it.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    watchdog.start(5000);
    EXPECT_EQ(ui.ShowMessageBox({"Quit", "Really?", MessageIcon::Question, MessageButtons::YesNoCancel}),
              MessageResult::No);
}

TEST(QtUserInterfaceTest, FiltersAndExtensions) {
    EXPECT_EQ(QtUserInterface::QtFilter("Text files (*.txt)|*.txt||"), "Text files (*.txt)");
    EXPECT_EQ(QtUserInterface::QtFilter("Logs|*.log;*.txt|All files (*.*)|*.*||"),
              "Logs (*.log *.txt);;All files (*.*)");
    EXPECT_EQ(QtUserInterface::QtFilter(""), "");

    struct Case {
        const char* path;
        const char* extension;
        const char* result;
    };
    const Case cases[] = {
        {"saved/chat", "txt", "saved/chat.txt"},
        {"saved/chat", ".txt", "saved/chat.txt"},
        {"saved/chat.log", "txt", "saved/chat.log"},
        {"saved.d/chat", "txt", "saved.d/chat.txt"},  // a dot in a folder name is not an extension
        {"chat", "", "chat"},
        {"saved/", "txt", "saved/"},
    };
    for (const Case& c : cases) EXPECT_EQ(QtUserInterface::WithExtension(c.path, c.extension), c.result) << c.path;
}

TEST(QtUserInterfaceTest, ClipboardTakesTheBytesAsLatin1) {
    QtUserInterface ui;
    ASSERT_EQ(ui.SetClipboardText("caf\xE9 <x>"), ClipboardResult::Done);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("caf\u00e9 <x>"));
}

}  // namespace
}  // namespace parlevox
