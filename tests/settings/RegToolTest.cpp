// parlevox-reg, run as the real executable.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "support/TempDir.h"

extern char** environ;

namespace parlevox {
namespace {

using namespace std::string_literals;

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolResult RunTool(const std::vector<std::string>& args, const std::string& input = "") {
    test::TempDir io;
    test::WriteWholeFile(io.File("in"), input);
    std::vector<std::string> words = {PARLEVOX_REG_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, io.File("in").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, io.File("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, io.File("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ToolResult result;
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 && waitpid(pid, &status, 0) == pid)
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    posix_spawn_file_actions_destroy(&actions);
    result.out = test::ReadWholeFile(io.File("out"));
    result.err = test::ReadWholeFile(io.File("err"));
    return result;
}

class RegToolTest : public testing::Test {
protected:
    ToolResult Run(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), {"--file", file_});
        return RunTool(args, input);
    }

    test::TempDir dir_;
    std::string file_ = dir_.File("registry.reg");
};

TEST_F(RegToolTest, HelpShowsTheUsage) {
    for (const char* flag : {"--help", "-h"}) {
        ToolResult result = RunTool({flag});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out.rfind("Usage: parlevox-reg [--file REGFILE] COMMAND", 0), 0u) << result.out;
        for (const char* command : {"export", "import", "get SECTION NAME", "set [--dword|--string]", "delete"})
            EXPECT_NE(result.out.find(command), std::string::npos) << command;
    }
}

TEST_F(RegToolTest, SetThenGetGivesTheValueBack) {
    struct Case {
        std::vector<std::string> set;
        std::vector<std::string> get;
        std::string printed;
    } cases[] = {
        {{"--dword", "Misc", "Smooth scroll", "1"}, {"MISC", "smooth SCROLL"}, "1\n"},
        {{"--dword", "Servers", "Latitude", "-15"}, {"Servers", "Latitude"}, "-15\n"},
        {{"--dword", "Colours", "Colour1", "0xffffffff"}, {"Colours", "Colour1"}, "-1\n"},
        {{"--string", "Your info", "Quit message", "bye \"all\" \\o/"}, {"your info", "quit message"},
         "bye \"all\" \\o/\n"},
        {{"--string", "--", "Plug-in Viewer", "Folder", "--odd"}, {"Plug-in Viewer", "Folder"}, "--odd\n"},
        {{"Misc", "Smooth scroll", "0"}, {"Misc", "Smooth scroll"}, "0\n"},  // keeps the DWORD type
    };
    for (const auto& c : cases) {
        std::vector<std::string> set = {"set"};
        set.insert(set.end(), c.set.begin(), c.set.end());
        ToolResult stored = Run(set);
        ASSERT_EQ(stored.exitCode, 0) << stored.err;
        std::vector<std::string> get = {"get"};
        get.insert(get.end(), c.get.begin(), c.get.end());
        ToolResult shown = Run(get);
        EXPECT_EQ(shown.exitCode, 0) << shown.err;
        EXPECT_EQ(shown.out, c.printed);
    }
    Registry registry;
    ASSERT_TRUE(registry.Load(file_));
    EXPECT_EQ(registry.GetProfileInt("Servers", "Latitude", 0), -15);
    EXPECT_EQ(registry.GetValue("Software\\quornwright\\Parlevox\\Misc", "Smooth scroll")->type, RegistryType::Dword);
}

TEST_F(RegToolTest, MistakesGiveAMessageAndAnExitCode) {
    test::WriteWholeFile(dir_.File("not-regedit.txt"), "[HKEY_CURRENT_USER\\x]\n");
    ASSERT_EQ(Run({"set", "--string", "Misc", "Text", "t"}).exitCode, 0);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    } cases[] = {
        {{}, 2, "no command given"},
        {{"frobnicate"}, 2, "unknown command frobnicate"},
        {{"get", "Misc"}, 2, "too few arguments for get"},
        {{"--verbose", "get", "a", "b"}, 2, "unknown option --verbose"},
        {{"set", "--dword", "--string", "a", "b", "1"}, 2, "--dword and --string exclude each other"},
        {{"set", "Misc", "New", "1"}, 2, "a new value needs --dword or --string"},
        {{"set", "--dword", "Misc", "N", "4294967296"}, 2, "not a DWORD number: 4294967296"},
        {{"get", "Misc", "Missing"}, 1, "no value \"Missing\" in section \"Misc\""},
        {{"delete", "Nowhere"}, 1, "no section \"Nowhere\""},
        {{"import", dir_.File("missing.reg")}, 3, "cannot read " + dir_.File("missing.reg")},
        {{"import", dir_.File("not-regedit.txt")}, 3,
         dir_.File("not-regedit.txt") + " is not a REGEDIT4 file"},
        {{"export", dir_.File("not-regedit.txt/x.reg")}, 3, "cannot write " + dir_.File("not-regedit.txt/x.reg")},
    };
    for (const auto& c : cases) {
        ToolResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.message;
        EXPECT_NE(result.err.find("parlevox-reg: " + c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << c.message;
    }
    ToolResult unreadable = RunTool({"--file", dir_.Path(), "get", "a", "b"});
    EXPECT_EQ(unreadable.exitCode, 3);
    EXPECT_NE(unreadable.err.find("cannot read the settings file"), std::string::npos);
}

TEST_F(RegToolTest, ExportAndImportCarryEveryValue) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    Registry original;
    original.Load(file_);
    original.WriteProfileString("Your info", "Description", every);
    original.WriteProfileInt("Colours", "Colour3", -7);
    original.SetValue("Software\\quornwright\\Parlevox\\Misc", "Bits", RegistryValue::FromBinary("\0\x01"s));
    original.SetValue("Software\\Other", "x", RegistryValue::FromDword(1));
    ASSERT_TRUE(original.Save());

    ToolResult toStdout = Run({"export"});
    ASSERT_EQ(toStdout.exitCode, 0);
    EXPECT_EQ(toStdout.out, original.ExportText());
    ASSERT_EQ(Run({"export", dir_.File("copy.reg")}).exitCode, 0);
    EXPECT_EQ(test::ReadWholeFile(dir_.File("copy.reg")), original.ExportText());

    const std::string other = dir_.File("other.reg");
    ASSERT_EQ(RunTool({"--file", other, "set", "--string", "Misc", "Gone", "x"}).exitCode, 0);
    ToolResult replaced = RunTool({"--file", other, "import", "--replace", "-"}, toStdout.out);
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(test::ReadWholeFile(other), original.ExportText());

    // A plain import merges.
    test::WriteWholeFile(dir_.File("more.reg"),
                         "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Misc]\n\"Added\"=\"yes\"\n");
    ASSERT_EQ(Run({"import", dir_.File("more.reg")}).exitCode, 0);
    EXPECT_EQ(Run({"get", "Misc", "Added"}).out, "yes\n");
    EXPECT_EQ(Run({"get", "Misc", "Bits"}).out, "hex:00,01\n");
    ASSERT_EQ(Run({"delete", "Misc", "added"}).exitCode, 0);
    EXPECT_EQ(Run({"get", "Misc", "Added"}).exitCode, 1);
}

TEST_F(RegToolTest, ADamagedFileIsReportedAndKept) {
    const std::string damaged =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Misc]\n\"Size\"=dword:12\ngarbage\n"
        "\"Kept\"=\"yes\"\n";
    test::WriteWholeFile(file_, damaged);
    ToolResult read = Run({"get", "Misc", "Kept"});
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.out, "yes\n");
    EXPECT_NE(read.err.find("warning: 2 line(s) of " + file_ + " could not be read"), std::string::npos) << read.err;
    EXPECT_EQ(test::ReadWholeFile(file_), damaged) << "reading never writes";

    ToolResult changed = Run({"set", "--dword", "Misc", "Size", "18"});
    ASSERT_EQ(changed.exitCode, 0) << changed.err;
    EXPECT_EQ(test::ReadWholeFile(file_ + ".bak"), damaged);
    EXPECT_EQ(Run({"get", "Misc", "Size"}).out, "18\n");
    EXPECT_EQ(Run({"get", "Misc", "Kept"}).err, "") << "the rewritten file reads cleanly";
}

TEST_F(RegToolTest, WithoutFileTheClientsFileIsUsed) {
    // The test process points PARLEVOX_REGISTRY into its own temporary folder.
    ToolResult result = RunTool({"set", "--string", "Misc", "Probe", "here"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    Registry registry;
    ASSERT_TRUE(registry.Load(Registry::DefaultFilePath()));
    EXPECT_EQ(registry.GetProfileString("Misc", "Probe"), "here");
}

}  // namespace
}  // namespace parlevox
