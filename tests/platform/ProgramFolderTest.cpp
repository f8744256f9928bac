#include "platform/ProgramFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ExecutableFolder() {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string exe(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    return exe.substr(0, exe.find_last_of('/') + 1);
}

// Every test leaves the folder to be worked out again from the environment
// the test main set.
class ProgramFolderTest : public testing::Test {
protected:
    void SetUp() override { ProgramFolder::Reset(); }
    void TearDown() override { ProgramFolder::Reset(); }
};

TEST_F(ProgramFolderTest, EnvironmentDecidesTheFolder) {
    test::TempDir dir;
    const std::string root = dir.Path();
    struct Case {
        const char* description;
        const char* home;
        const char* dataHome;
        std::string expected;
    } cases[] = {
        {"PARLEVOX_HOME first", "/p/home", "/d", "/p/home/"},
        {"trailing slash kept single", "/p/home/", "/d", "/p/home/"},
        {"then XDG_DATA_HOME", nullptr, "/d", "/d/parlevox/"},
        {"empty means unset", "", "/d/", "/d/parlevox/"},
        {"then HOME", nullptr, nullptr, "/h/.local/share/parlevox/"},
    };
    for (const auto& c : cases) {
        test::ScopedEnvironment env;
        // Paths of the table live under the temp folder; "" stays empty.
        auto under = [&root](const char* path) { return std::string(path && *path ? root : "") + (path ? path : ""); };
        std::string home = under(c.home), dataHome = under(c.dataHome), userHome = root + "/h";
        env.Set("PARLEVOX_HOME", c.home ? home.c_str() : nullptr);
        env.Set("XDG_DATA_HOME", c.dataHome ? dataHome.c_str() : nullptr);
        env.Set("HOME", userHome.c_str());
        ProgramFolder::Reset();
        EXPECT_EQ(ProgramFolder::Path(), root + c.expected) << c.description;
        EXPECT_TRUE(IsFolder(ProgramFolder::Path())) << c.description << ": not created";
    }
}

TEST_F(ProgramFolderTest, KeptUntilReset) {
    test::TempDir dir;
    test::ScopedEnvironment env;
    env.Set("PARLEVOX_HOME", dir.File("first").c_str());
    const std::string first = ProgramFolder::Path();
    env.Set("PARLEVOX_HOME", dir.File("second").c_str());
    EXPECT_EQ(ProgramFolder::Path(), first);
    ProgramFolder::Reset();
    EXPECT_EQ(ProgramFolder::Path(), dir.File("second") + "/");
}

TEST_F(ProgramFolderTest, PortableMarkerBeatsTheEnvironment) {
    const std::string marker = ExecutableFolder() + ProgramFolder::kPortableMarker;
    std::FILE* file = std::fopen(marker.c_str(), "w");
    ASSERT_NE(file, nullptr) << "cannot write beside the test executable";
    std::fclose(file);
    const std::string folder = ProgramFolder::Path();
    std::remove(marker.c_str());
    EXPECT_EQ(folder, ExecutableFolder());
    ProgramFolder::Reset();
    EXPECT_NE(ProgramFolder::Path(), ExecutableFolder());
}

TEST_F(ProgramFolderTest, StoredPathsResolveUnderTheFolder) {
    const std::string folder = ProgramFolder::Path();
    struct Case {
        const char* stored;
        std::string expected;
    } cases[] = {
        {"Servers.List", folder + "Servers.List"},
        {"logs\\#chan.log", folder + "logs/#chan.log"},
        {"Script files\\sub\\a.txt", folder + "Script files/sub/a.txt"},
        {"Tutorial\\", folder + "Tutorial/"},
        {"", folder},
        {"/var/tmp/x", "/var/tmp/x"},
        {"\\var\\tmp\\x", "/var/tmp/x"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgramFolder::Resolve(c.stored), c.expected) << c.stored;
    EXPECT_EQ(ProgramFolder::ToFileSystemPath("a\\b\\\\c"), "a/b//c");
}

}  // namespace
}  // namespace parlevox
