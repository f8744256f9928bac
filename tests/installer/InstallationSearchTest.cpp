#include "installer/InstallationSearch.h"

#include <unistd.h>

#include <functional>

#include <gtest/gtest.h>

#include "platform/SafeFile.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using test::TempDir;
using test::WriteWholeFile;

// An installation: the category file (in any case) and the client.
void MakeInstallation(const std::string& folder, const std::string& marker = "MajorChannels.dat",
                      bool withClient = true) {
    ASSERT_TRUE(SafeFile::CreateFolders(folder));
    WriteWholeFile(folder + "/" + marker, "categories");
    if (withClient) WriteWholeFile(folder + "/parlevox", "client");
}

TEST(InstallationSearchTest, FindsTheRightFolder) {
    struct Case {
        const char* description;
        std::function<void(const std::string& home, const std::string& outside)> make;
        std::string expected;  // below home; "" for nothing found
        InstallationSearchLimits limits{};
    } cases[] = {
        {"default folder first",
         [](auto& home, auto&) {
             MakeInstallation(home + "/.local/share/parlevox");
             MakeInstallation(home + "/elsewhere");
         },
         "/.local/share/parlevox"},
        {"default folder without the client is the package's data: search on",
         [](auto& home, auto&) {
             MakeInstallation(home + "/.local/share/parlevox", "MajorChannels.dat", false);
             MakeInstallation(home + "/apps/irc/Parlevox");
         },
         "/apps/irc/Parlevox"},
        {"nested, marker in another case", [](auto& home, auto&) { MakeInstallation(home + "/a/b/c", "majorchannels.DAT"); },
         "/a/b/c"},
        {"marker without client", [](auto& home, auto&) { MakeInstallation(home + "/a", "MajorChannels.dat", false); },
         ""},
        {"dot folders skipped", [](auto& home, auto&) { MakeInstallation(home + "/.hidden/Parlevox"); }, ""},
        {"links not followed",
         [](auto& home, auto& outside) {
             MakeInstallation(outside + "/Parlevox");
             ASSERT_EQ(symlink(outside.c_str(), (home + "/link").c_str()), 0);
         },
         ""},
        {"depth 8 searched", [](auto& home, auto&) { MakeInstallation(home + "/1/2/3/4/5/6/7/8"); }, "/1/2/3/4/5/6/7/8"},
        {"depth 9 not", [](auto& home, auto&) { MakeInstallation(home + "/1/2/3/4/5/6/7/8/9"); }, ""},
        {"entry bound respected", [](auto& home, auto&) { MakeInstallation(home + "/P"); }, "", {8, 1}},
        {"entry bound large enough", [](auto& home, auto&) { MakeInstallation(home + "/P"); }, "/P", {8, 3}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string home = dir.File("home"), outside = dir.File("outside");
        ASSERT_TRUE(SafeFile::CreateFolders(home) && SafeFile::CreateFolders(outside));
        c.make(home, outside);
        std::optional<std::string> found =
            InstallationSearch::Find(home + "/", home + "/.local/share/parlevox", c.limits);
        EXPECT_EQ(found.value_or(""), c.expected.empty() ? "" : home + c.expected) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
