// The Scripting window's widgets over a real session: a function written in
// the source editor, compiled with Ctrl+Enter into an error (the box, the
// cursor at the error), fixed and compiled into something callable; the
// questions before leaving uncompiled source; a reaction added in the form.
#include "ui/qt/ScriptingWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "display/Scheme.h"
#include "modules/ModuleTexts.h"
#include "modules/ReactionTexts.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/OfflineSession.h"
#include "support/RecordingViews.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/StatusWindow.h"
#include "ui/qt/AliasesTab.h"
#include "ui/qt/MenusTab.h"
#include "ui/qt/ReactionsTab.h"
#include "ui/qt/ScriptFunctionsTab.h"
#include "ui/qt/ScriptSourceEdit.h"

namespace parlevox {
namespace {

using namespace module_text;
using Tab = ScriptingWindow::Tab;

class ScriptingWindowTest : public ::testing::Test, protected test::OfflineSession {
protected:
    ScriptingWindowTest() {
        window = std::make_unique<ScriptingWindow>(
            ScriptingContext{app->Modules(), session->Scripts().Calls(), session->Reactions(), app->Menus(), ui});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->ShowTab(Tab::Functions);
    }
    ~ScriptingWindowTest() override {
        window.reset();
    }
    ScriptFunctionsTab& Functions() { return window->FunctionsTab(); }
    ScriptSourceEdit& Source() { return Functions().Source(); }
    QPushButton* Button(QWidget& tab, const char* name) { return tab.findChild<QPushButton*>(name); }
    // Makes a function with the New button and types its source.
    void Write(const char* name, const char* source) {
        ui.promptAnswers.push_back(name);
        Button(Functions(), "new")->click();
        Source().selectAll();
        Type(source);
    }
    // Keys into the source editor, Return for each line feed.
    void Type(const QString& text) {
        const QStringList lines = text.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i) QTest::keyClick(&Source(), Qt::Key_Return);
            QTest::keyClicks(&Source(), lines[i]);
        }
    }

    std::unique_ptr<ScriptingWindow> window;
};

TEST_F(ScriptingWindowTest, ACompileErrorPutsTheCursorThereAndTheFixCompiles) {
    Write("Answer", "Answer<>\n  {\n  return 6 * ;\n  }\n");
    EXPECT_EQ(Functions().List().currentItem()->text(), "Answer");
    QTest::keyClick(&Source(), Qt::Key_Return, Qt::ControlModifier);

    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, kCompileErrorTitle);
    EXPECT_EQ(ui.boxes[0].text.rfind(kCompileErrorHead, 0), 0u);
    EXPECT_TRUE(ui.boxes[0].text.ends_with(kCompileErrorTail));
    // Ctrl+Enter did not type a line break, and the cursor sits where the
    // compiler stopped: on the statement's end, where the operand is missing.
    const QString shown = Source().toPlainText();
    EXPECT_EQ(shown, "Answer<>\n  {\n  return 6 * ;\n  }\n");
    const int cursor = Source().textCursor().position();
    EXPECT_GE(cursor, shown.indexOf("6 *"));
    EXPECT_LE(cursor, shown.indexOf(";"));
    EXPECT_EQ(Call("Answer"), CVariable());

    QTextCursor atSemicolon = Source().textCursor();
    atSemicolon.setPosition(static_cast<int>(shown.indexOf(";")));
    Source().setTextCursor(atSemicolon);
    Type("7");
    Functions().CompileButton().click();
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(window->findChild<QLabel*>("state")->text(), "Compiled.");
    EXPECT_EQ(Call("Answer"), CVariable({VariableComponent::Int(42)}));
    // Stored with the line ends of a module file.
    EXPECT_EQ(window->Editor().Function()->Source(), "Answer<>\r\n  {\r\n  return 6 * 7;\r\n  }\r\n");
}

TEST_F(ScriptingWindowTest, LeavingUncompiledSourceAsksFirst) {
    Write("First", "First<>\n  {\n  return 1;\n  }\n");
    Functions().CompileButton().click();
    Write("Second", "Second<>\n  {\n  return 2;\n  }\n");
    ASSERT_TRUE(ui.boxes.empty());

    ui.boxAnswers = {MessageResult::No};
    Functions().List().setCurrentRow(0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, kUncompiledTitle);
    EXPECT_EQ(Functions().List().currentItem()->text(), "Second");
    EXPECT_TRUE(Source().toPlainText().startsWith("Second"));

    // Escape asks too; No keeps the window open, Yes closes it.
    ui.boxAnswers = {MessageResult::No, MessageResult::Yes};
    QTest::keyClick(&Source(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(&Source(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui.boxes.size(), 3u);
}

TEST_F(ScriptingWindowTest, AReactionIsAddedFromTheForm) {
    window->ShowTab(Tab::Reactions);
    ReactionsTab& tab = window->ReactionsPage();
    auto* action = tab.findChild<QLineEdit*>("action");
    auto* owner = tab.findChild<QComboBox*>("owner");
    ASSERT_TRUE(action && owner);
    owner->setCurrentIndex(0);  // no module
    action->setText("/msg #pvx hi");
    Button(tab, "add")->click();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, texts::kFunctionAndModuleRequiredTitle);

    owner->setCurrentIndex(owner->findText(kUserModuleName));
    tab.findChild<QCheckBox*>("sender")->setChecked(true);
    tab.findChild<QComboBox*>("eventType")->setCurrentIndex(
        tab.findChild<QComboBox*>("eventType")->findData(CReaction::kNewEventSelector));
    Button(tab, "add")->click();
    ASSERT_EQ(session->Reactions().Reactions().size(), 1u);
    const CReaction& added = session->Reactions().Reactions()[0];
    EXPECT_EQ(added.action, "/msg #pvx hi");
    EXPECT_EQ(added.filterFlags, CReaction::kFilterSender);
    EXPECT_EQ(tab.Table().rowCount(), 1);
    EXPECT_EQ(tab.Table().item(0, 1)->text(), kUserModuleName);

    // Unticking Active in the table switches the reaction off.
    tab.Table().item(0, 0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(session->Reactions().Reactions()[0].IsEnabled());
}

// A menu item added and moved in the Menus tab; an alias set in the Aliases
// tab, callable at once; closing the window over an alias whose changes
// were not Set asks first.
TEST_F(ScriptingWindowTest, MenuItemsAndAliasesAreMadeInTheirTabs) {
    CScriptModule& user = *app->Modules().FindByName(kUserModuleName);
    window->ShowTab(Tab::Menus);
    MenusTab& menus = window->MenusPage();
    menus.ShowKind(MenuKind::Channel);
    const size_t before = app->Menus().Items(MenuKind::Channel).size();
    menus.Load({"Topic", "/topic %sC%", true, user.Id()});
    ASSERT_TRUE(menus.Add());
    ASSERT_EQ(app->Menus().Items(MenuKind::Channel).size(), before + 1);
    EXPECT_EQ(app->Menus().Items(MenuKind::Channel).back(), (MenuItem{"Topic", "/topic %sC%", true, user.Id()}));
    Button(menus, "up")->click();
    EXPECT_EQ(app->Menus().Items(MenuKind::Channel)[before - 1].name, "Topic");
    EXPECT_EQ(menus.Table().currentRow(), static_cast<int>(before - 1)) << "the moved item stays chosen";
    EXPECT_TRUE(user.HasChanges());

    window->ShowTab(Tab::Aliases);
    AliasesTab& aliases = window->AliasesPage();
    QTest::keyClicks(&aliases.Name(), "Hello");
    aliases.Lines().setPlainText("/echo hello %sA1%\n/echo bye");
    Button(aliases, "setAlias")->click();
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(aliases.List().count(), 1);
    EXPECT_EQ(aliases.List().item(0)->text(), "Hello");
    const CScriptFunction* hello = user.FindFunction("Hello");
    ASSERT_NE(hello, nullptr);
    EXPECT_NE(hello->Tree(), nullptr);
    EXPECT_NE(hello->Source().find("{\r\n/echo hello %sA1%\r\n/echo bye\r\n}"), std::string::npos);

    aliases.Lines().setPlainText("/echo changed");
    ui.boxAnswers.push_back(MessageResult::No);
    window->reject();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Confirmation");
}

}  // namespace
}  // namespace parlevox
