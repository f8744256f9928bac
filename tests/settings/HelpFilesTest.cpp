// The shipped help and tutorial pages reach the program folder, without
// overwriting what is there, and a missing data folder changes nothing.
#include "settings/HelpFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/TempDir.h"

namespace parlevox {
namespace {

namespace fs = std::filesystem;

class HelpFilesTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(data.Path() + "/help/tutorial");
        test::WriteWholeFile(data.Path() + "/help/index.html", "contents");
        test::WriteWholeFile(data.Path() + "/help/tutorial/index.html", "tutorial");
    }
    std::string Program(const std::string& name) const { return program.Path() + "/" + name; }

    test::TempDir data;
    test::TempDir program;
};

TEST_F(HelpFilesTest, CopiesMissingPagesAndLeavesThePersonsOwnAlone) {
    fs::create_directories(Program("Tutorial"));
    test::WriteWholeFile(Program("Tutorial/index.html"), "edited");
    EXPECT_EQ(HelpFiles::InstallMissing(data.Path(), program.Path() + "/"), 1);
    EXPECT_EQ(test::ReadWholeFile(Program(HelpFiles::kContents)), "contents");
    EXPECT_EQ(test::ReadWholeFile(Program(HelpFiles::kTutorial)), "edited");
    EXPECT_EQ(HelpFiles::InstallMissing(data.Path(), program.Path() + "/"), 0) << "the second start copies nothing";
}

// A link planted where a page would go is not written through.
TEST_F(HelpFilesTest, DoesNotWriteThroughALinkInThePagesPlace) {
    fs::create_directories(Program("Help"));
    const std::string victim = program.Path() + "/victim";
    fs::create_symlink(victim, Program("Help/index.html"));
    HelpFiles::InstallMissing(data.Path(), program.Path() + "/");
    EXPECT_FALSE(fs::exists(victim));
}

TEST_F(HelpFilesTest, AMissingOrUnreadableDataFolderIsSkipped) {
    EXPECT_EQ(HelpFiles::InstallMissing(data.Path() + "/nowhere", program.Path() + "/"), 0);
    EXPECT_EQ(HelpFiles::InstallMissing("", program.Path() + "/"), 0);
    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    chmod((data.Path() + "/help").c_str(), 0);
    EXPECT_EQ(HelpFiles::InstallMissing(data.Path(), program.Path() + "/"), 0);
    chmod((data.Path() + "/help").c_str(), 0755);
    EXPECT_FALSE(fs::exists(Program("Help")));
}

}  // namespace
}  // namespace parlevox
