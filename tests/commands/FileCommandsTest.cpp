// The File commands over a throwaway program folder: nothing reaches the
// disk before FileClose, lines are checked at their edges, names resolve
// into "Script files/" or as paths, and the table of open files is capped.
#include <filesystem>
#include <set>

#include "ScriptCommandFixture.h"
#include "commands/ScriptFiles.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

namespace fs = std::filesystem;

class FileCommandsTest : public ScriptCommandFixture {
protected:
    FileCommandsTest() {
        fs::create_directories(program);
        settings.programFolder = program;
        processor->SetSettings(settings);
    }
    int32_t Number(std::string_view name, std::vector<CommandArgument> values) {
        CommandResult result = Call(name, std::move(values));
        EXPECT_EQ(result.type, CommandResult::Type::Integer) << name;
        return result.number;
    }
    std::string Line(int32_t handle, int32_t line) { return Call("FileReadLine", {I(handle), I(line)}).text; }
    std::string InScriptFiles(const std::string& name) const { return program + "/Script files/" + name; }

    TempDir temp;
    const std::string program = temp.Path() + "/program";
};

TEST_F(FileCommandsTest, LinesAreCheckedAtTheirEdgesAndReachTheDiskOnlyAtClose) {
    const int32_t handle = Number("FileNew", {S("notes.txt")});
    ASSERT_GT(handle, 0);
    struct Write {
        int32_t line;
        const char* text;
        int32_t result;
    };
    for (const Write& w : {Write {0, "one", 1}, Write {1, "two", 1}, Write {0, "first", 1}, Write {3, "x", 0},
                           Write {4, "x", 0}, Write {-1, "x", 0}, Write {INT32_MAX, "x", 0}})
        EXPECT_EQ(Number("FileWriteLine", {I(handle), I(w.line), S(w.text)}), w.result) << w.line;
    EXPECT_EQ(Number("FileNumLines", {I(handle)}), 2);
    EXPECT_EQ(Line(handle, 0), "first");
    EXPECT_EQ(Line(handle, 1), "two");
    EXPECT_EQ(Line(handle, -1), "");
    EXPECT_EQ(Line(handle, 2), "") << "the line count";
    EXPECT_EQ(Line(handle + 1, 0), "") << "no such handle";
    EXPECT_FALSE(fs::exists(InScriptFiles("notes.txt")));

    EXPECT_EQ(Number("FileClose", {I(handle)}), 1);
    EXPECT_EQ(ReadWholeFile(InScriptFiles("notes.txt")), "first\r\ntwo\r\n");
    EXPECT_EQ(Number("FileNumLines", {I(handle)}), -1);
    EXPECT_EQ(Number("FileClose", {I(handle)}), 0);
    EXPECT_TRUE(output.lines.empty());
}

TEST_F(FileCommandsTest, AFileNeverClosedIsLeftAsItWasOnDisk) {
    fs::create_directories(program + "/Script files");
    WriteWholeFile(InScriptFiles("keep.txt"), "a\nb\r\nc");
    const int32_t handle = Number("FileOpen", {S("keep.txt")});
    ASSERT_GT(handle, 0);
    EXPECT_EQ(Number("FileNumLines", {I(handle)}), 3);
    EXPECT_EQ(Line(handle, 2), "c");
    EXPECT_EQ(Number("FileWriteLine", {I(handle), I(0), S("changed")}), 1);
    processor.reset();  // the session ends with the file open
    EXPECT_EQ(ReadWholeFile(InScriptFiles("keep.txt")), "a\nb\r\nc");
}

TEST_F(FileCommandsTest, NamesWithASlashArePathsAndWhatCannotBeOpenedGivesZero) {
    WriteWholeFile(temp.File("outside.txt"), "up\r\n");
    fs::create_directories(program + "/Script files/folder");
    const std::string huge = temp.File("huge.txt");
    WriteWholeFile(huge, "");
    fs::resize_file(huge, ScriptFiles::kMaxFileBytes + 1);  // sparse: refused before it is read
    struct Case {
        std::string name;
        bool opens;
    };
    for (const Case& c : {Case {"../outside.txt", true}, Case {"..\\outside.txt", true},
                          Case {temp.File("outside.txt"), true}, Case {"missing.txt", false}, Case {"folder", false},
                          Case {"", false}, Case {huge, false}}) {
        const int32_t handle = Number("FileOpen", {S(c.name)});
        EXPECT_EQ(handle != 0, c.opens) << c.name;
        if (handle) {
            EXPECT_EQ(Line(handle, 0), "up") << c.name;
        }
    }
    EXPECT_EQ(Number("FileNew", {S("folder")}), 0);
}

TEST_F(FileCommandsTest, RenameNeverReplacesAndDeleteTakesOnlyFiles) {
    fs::create_directories(program + "/Script files/folder");
    WriteWholeFile(InScriptFiles("a.txt"), "a");
    WriteWholeFile(InScriptFiles("c.txt"), "c");
    EXPECT_EQ(Number("FileRename", {S("a.txt"), S("b.txt")}), 1);
    EXPECT_EQ(Number("FileRename", {S("b.txt"), S("c.txt")}), 0);
    EXPECT_EQ(Number("FileRename", {S("a.txt"), S("d.txt")}), 0);
    EXPECT_EQ(ReadWholeFile(InScriptFiles("c.txt")), "c");
    EXPECT_EQ(Number("FileDelete", {S("b.txt")}), 1);
    EXPECT_EQ(Number("FileDelete", {S("b.txt")}), 0);
    EXPECT_EQ(Number("FileDelete", {S("folder")}), 0);
    EXPECT_TRUE(fs::is_directory(program + "/Script files/folder"));
}

TEST_F(FileCommandsTest, TheOpenFileAfterTheLastThatFitsGivesZeroAndSaysWhy) {
    std::set<int32_t> handles;
    for (size_t i = 0; i < ScriptFiles::kMaxOpen; ++i) handles.insert(Number("FileNew", {S("f" + std::to_string(i))}));
    EXPECT_EQ(handles.size(), ScriptFiles::kMaxOpen);
    EXPECT_FALSE(handles.contains(0));
    EXPECT_TRUE(output.lines.empty());

    EXPECT_EQ(Number("FileNew", {S("one more")}), 0);
    EXPECT_EQ(Number("FileOpen", {S("f0")}), 0);
    ASSERT_EQ(output.lines.size(), 2u);
    EXPECT_EQ(output.lines[0], C(14) + "! FileNew failed: 1024 script files are open, the most there may be. "
                                       "Close some with FileClose.");

    EXPECT_EQ(Number("FileClose", {I(*handles.begin())}), 1);
    const int32_t again = Number("FileNew", {S("one more")});
    EXPECT_GT(again, 0);
    EXPECT_FALSE(handles.contains(again)) << "handles come from a counter";
}

}  // namespace
}  // namespace parlevox::test
