#include "installer/InstallFolder.h"

#include <unistd.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "SetupTestKit.h"
#include "installer/DesktopEntry.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

using test::Exists;
using test::ReadWholeFile;
using test::WriteWholeFile;

// Whatever the names, a write lands inside the folder or nowhere.
TEST(InstallFolderTest, WritesStayInsideTheFolder) {
    struct Case {
        const char* description;
        std::string subfolder, name;
        bool written;
    } cases[] = {
        {"plain", "Tutorial\\IRC", "a.html", true},
        {"new subfolders", "New\\Deeper", "a", true},
        {"subfolder climbs", "..", "a", false},
        {"climbs further down", "Sound\\..\\..", "a", false},
        {"name climbs", "", "..", false},
        {"name with a slash", "", "../a", false},
        {"subfolder with slashes", "Tutorial/Changing", "a", true},
        {"climbing with slashes", "x/../..", "a", false},
        {"subfolder is a link", "Linked", "a", false},
        {"link deeper down", "Sound\\Linked", "a", false},
        {"file is a link", "", "linked-file", false},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string folder = dir.File("in"), outside = dir.File("out");
        ASSERT_TRUE(SafeFile::CreateFolders(folder + "/Sound") && SafeFile::CreateFolders(outside));
        WriteWholeFile(outside + "/target", "untouched");
        symlink(outside.c_str(), (folder + "/Linked").c_str());
        symlink(outside.c_str(), (folder + "/Sound/Linked").c_str());
        symlink((outside + "/target").c_str(), (folder + "/linked-file").c_str());

        EXPECT_EQ(InstallFolder::WriteFile(folder, c.subfolder, c.name, "bytes"), c.written) << c.description;
        if (c.written) {
            EXPECT_EQ(ReadWholeFile(folder + "/" + InstallFolder::ToFileSystemPath(c.subfolder) + "/" + c.name),
                      "bytes")
                << c.description;
        }
        EXPECT_EQ(ReadWholeFile(outside + "/target"), "untouched") << c.description;
        EXPECT_FALSE(Exists(outside + "/a") || Exists(dir.File("a"))) << c.description;
    }
}

// Any folder name comes out of the entry's two levels of unescaping as it
// went in, and cannot add lines or field codes.
TEST(DesktopEntryTest, FolderNamesSurviveEscaping) {
    struct Case {
        const char* folder;
        const char* exec;
        const char* path;
    } cases[] = {
        {"/home/a b", R"(Exec="/home/a b/parlevox")", "Path=/home/a b"},
        {"/x/\"q\"$HOME`id`", R"(Exec="/x/\\"q\\"\\$HOME\\`id\\`/parlevox")", "Path=/x/\"q\"$HOME`id`"},
        {"/x/100%", R"(Exec="/x/100%%/parlevox")", "Path=/x/100%"},
        {"/x/back\\slash", R"(Exec="/x/back\\\\slash/parlevox")", R"(Path=/x/back\\slash)"},
        {"/x/line\nExec=evil", R"(Exec="/x/line\nExec=evil/parlevox")", R"(Path=/x/line\nExec=evil)"},
    };
    for (const Case& c : cases) {
        const std::string text = DesktopEntry::Text(c.folder);
        EXPECT_NE(text.find(std::string("\n") + c.exec + "\n"), std::string::npos) << text;
        EXPECT_NE(text.find(std::string("\n") + c.path + "\n"), std::string::npos) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9) << text;
    }
}

}  // namespace
}  // namespace parlevox
