// The run permission list: what may start without a question, what the
// person is asked, and what a started program receives, with a real
// program that writes down its arguments.
#include "commands/RunPermissions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "commands/CommandOutput.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using Words = std::vector<std::string>;

TEST(SplitRunArgumentsTest, QuotesGroupBackslashesEscapeAndNothingElseMeansAnything) {
    const std::pair<const char*, Words> cases[] = {
        {"", {}},
        {"  a \t b  ", {"a", "b"}},
        {"\"a b\" c", {"a b", "c"}},
        {"a\\ b", {"a b"}},
        {"\"say \\\"hi\\\"\"", {"say \"hi\""}},
        {"\"\" x", {"", "x"}},
        {"x\"y z\"w", {"xy zw"}},
        {"\\\\server\\\\share", {"\\server\\share"}},
        {"end\\", {"end\\"}},
        {"; rm -rf ~ | $(id) > /x `w` 'q r'", {";", "rm", "-rf", "~", "|", "$(id)", ">", "/x", "`w`", "'q", "r'"}},
    };
    for (const auto& [text, words] : cases) EXPECT_EQ(SplitRunArguments(text), words) << text;
    for (const char* open : {"\"", "a \"b c", "\"a\" \"", "\\\"\""}) EXPECT_FALSE(SplitRunArguments(open)) << open;
}

struct Lines final : CommandOutput {
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

class RunPermissionsTest : public ::testing::Test {
protected:
    RunPermissionsTest() {
        // Slot 14 is 4 and slot 13 is 12, so a swapped pair shows.
        std::array<int, ColourCodes::kSlots> values {};
        values[colour::kProblem] = 4;
        values[colour::kInformation] = 12;
        colours = ColourCodes(values);
        recorder = MakeProgram("record",
                               "#!/bin/sh\n"
                               "for a in \"$@\"; do printf '<%s>' \"$a\"; done > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
    }

    std::string MakeProgram(const std::string& name, const std::string& text, mode_t mode = 0755) {
        const std::string path = dir.File(name);
        test::WriteWholeFile(path, text);
        chmod(path.c_str(), mode);
        return std::filesystem::canonical(path).string();
    }

    RunPermissions& List(Words allowed = {}) {
        list = std::make_unique<RunPermissions>(ui, colours, std::move(allowed),
                                                [this](const Words& all) { saved.push_back(all); });
        return *list;
    }

    // What the recorder was started with; it runs on its own, so wait.
    std::string Recorded(const std::string& program) {
        const std::string out = program + ".out";
        for (int i = 0; i < 500 && !std::filesystem::exists(out); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::string text = test::ReadWholeFile(out);
        std::filesystem::remove(out);
        return text;
    }

    std::string FailureLine(const std::string& program) {
        return "\x03" "4! Attempt to run the program " + program + " failed. \x03" "12Always specify the full path.";
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    ColourCodes colours;
    std::string recorder;
    std::unique_ptr<RunPermissions> list;
    std::vector<Words> saved;
    Lines output;
};

TEST_F(RunPermissionsTest, YesAsksWithTheResolvedPathAllowsAndSavesThenTheProgramStartsWithoutAQuestion) {
    ui.boxAnswers = {MessageResult::Yes};
    // Reached through ".." and a link: the question names the file itself.
    std::filesystem::create_directory(dir.File("sub"));
    std::filesystem::create_symlink(recorder, dir.File("sub/link"));
    const std::string typed = dir.File("sub/../sub/link");
    EXPECT_EQ(List({"/old/entry"}).Run(typed, "one \"two three\" a\\\"b", output),
              RunPermissions::Outcome::Started);
    ASSERT_EQ(ui.boxes.size(), 1u);
    const MessageBoxRequest& box = ui.boxes[0];
    EXPECT_EQ(box.title, "Parlevox");
    const std::string opening = "Parlevox has been asked (either by you or a script) to launch the program " +
                                recorder + " one \"two three\" a\\\"b.\n\nIf you are not sure";
    EXPECT_EQ(box.text.substr(0, opening.size()), opening);
    EXPECT_TRUE(box.text.ends_with("allow the program to run this once and be asked in future.\n\n"));
    EXPECT_EQ(box.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(box.defaultButton, 3);
    EXPECT_EQ(Recorded(recorder), "<one><two three><a\"b>");
    // Old entries stay as they were; the new one is stored resolved.
    EXPECT_EQ(saved, std::vector<Words>({{"/old/entry", recorder}}));
    EXPECT_TRUE(output.lines.empty());

    EXPECT_EQ(list->Run(recorder, "", output), RunPermissions::Outcome::Started);
    EXPECT_EQ(Recorded(recorder), "");
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(saved.size(), 1u);
}

TEST_F(RunPermissionsTest, NoRunsOnceAndAsksAgainCancelRunsNothingAndSaysNothing) {
    ui.boxAnswers = {MessageResult::No, MessageResult::No, MessageResult::Cancel};
    List();
    EXPECT_EQ(list->Run(recorder, "$(id) ; x", output), RunPermissions::Outcome::Started);
    EXPECT_EQ(Recorded(recorder), "<$(id)><;><x>");
    EXPECT_EQ(list->Run(recorder, "", output), RunPermissions::Outcome::Started);
    EXPECT_EQ(Recorded(recorder), "");
    // Without arguments the path ends the sentence.
    EXPECT_NE(ui.boxes[1].text.find("launch the program " + recorder + ".\n\n"), std::string::npos);
    EXPECT_EQ(list->Run(recorder, "x", output), RunPermissions::Outcome::Cancelled);
    EXPECT_EQ(ui.boxes.size(), 3u);
    EXPECT_TRUE(list->Allowed().empty());
    EXPECT_TRUE(saved.empty());
    EXPECT_TRUE(output.lines.empty());
}

// File names are case-sensitive: allowing one file allows no other.
TEST_F(RunPermissionsTest, APathInOtherLetterCaseIsAnotherProgram) {
    const std::string lower = MakeProgram("tool", "#!/bin/sh\n");
    const std::string upper = MakeProgram("Tool", "#!/bin/sh\n");
    ui.boxAnswers = {MessageResult::Cancel};
    List({lower});
    EXPECT_EQ(list->Run(upper, "", output), RunPermissions::Outcome::Cancelled);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(list->Run(lower, "", output), RunPermissions::Outcome::Started);
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(RunPermissionsTest, PathsAndArgumentsThatCannotBeUsedAreRefusedWithoutAQuestion) {
    const std::string plain = MakeProgram("plain", "text\n", 0644);
    std::filesystem::create_symlink(dir.File("gone"), dir.File("dangling"));
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"/bin", ""},                   // four characters, though it exists
        {"record", ""},                 // relative, whatever the working folder
        {"./record", ""},
        {"sh", ""},                     // not looked up in PATH either
        {dir.Path(), ""},               // a folder
        {dir.Path() + "/", ""},
        {dir.File("missing"), ""},
        {dir.File("dangling"), ""},
        {plain, ""},                    // not executable
        {recorder, "a \"b c"},          // a quote left open
    };
    List({recorder});  // allowed: the refusal comes first
    for (const auto& [program, arguments] : cases) {
        SCOPED_TRACE(program + " " + arguments);
        output.lines.clear();
        EXPECT_EQ(list->Run(program, arguments, output), RunPermissions::Outcome::Refused);
        EXPECT_EQ(output.lines, Words({FailureLine(program)}));
    }
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(recorder + ".out"));
}

TEST_F(RunPermissionsTest, AProgramTheSystemCannotStartGivesTheFailureLineAfterTheAnswer) {
    const std::string broken = MakeProgram("broken", "#!/nonexistent/interpreter\n");
    ui.boxAnswers = {MessageResult::No};
    List();
    EXPECT_EQ(list->Run(broken, "", output), RunPermissions::Outcome::Failed);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(output.lines, Words({FailureLine(broken)}));
}

// Line ends in the arguments must not make up paragraphs of the question.
TEST_F(RunPermissionsTest, TheQuestionShowsArgumentsOnOneLineAndCutsLongOnes) {
    ui.boxAnswers = {MessageResult::Cancel};
    const std::string forged = "x.\n\nThis program is safe: click Yes";
    List().Run(recorder, forged + std::string(2000, 'a'), output);
    ASSERT_EQ(ui.boxes.size(), 1u);
    const std::string& text = ui.boxes[0].text;
    EXPECT_NE(text.find(recorder + " x.  This program is safe: click Yes"), std::string::npos);
    const size_t shownAs = RunPermissions::kMaxShownArguments - forged.size();
    EXPECT_NE(text.find(std::string(shownAs, 'a') + "....\n\n"), std::string::npos);
    EXPECT_EQ(text.find(std::string(shownAs + 1, 'a')), std::string::npos);
}

}  // namespace
}  // namespace parlevox
