#include "display/ChannelLog.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "support/TempDir.h"

namespace parlevox {
namespace {

TEST(ChannelLogTest, FileNamesLoseTheForbiddenCharactersAndNeverLeaveTheFolder) {
    const struct {
        std::string channel;
        std::string file;
    } cases[] = {
        {"#chat", "#chat.log"},
        {"#a/b\\c:d+e<f>g*h?i", "#abcdefghi.log"},
        {"../../etc/passwd", "....etcpasswd.log"},
        {"", "unnamed channel.log"},
        {":\\/+<>*?", "unnamed channel.log"},
        {"/..", "unnamed channel.log"},
        {"+.", "unnamed channel.log"},
        {std::string("#a\0b", 4), "#ab.log"},
        {"#" + std::string(300, 'x'), "#" + std::string(199, 'x') + ".log"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChannelLog::FileName(c.channel), c.file) << c.channel;
    // Every byte 1-255 in a name: one file name, no folder separator.
    std::string every;
    for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
    const std::string name = ChannelLog::FileName(every);
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_LE(name.size(), 255u);
    EXPECT_EQ(ChannelLog::PathFor("/p/", "#x"), "/p/logs/#x.log");
}

TEST(ChannelLogTest, LinesArePlainTextCutAt511AndEndedByCrLfAppendedToTheFile) {
    test::TempDir dir;
    const std::string path = dir.File("logs/#c.log");
    {
        ChannelLog log;
        ASSERT_TRUE(log.Open(path));
        EXPECT_TRUE(log.WriteLine("\x03" "12<\x08" "bob\x08\x03" "12> \x02hi\x02 \x1f" "there\x0f"));
    }
    ChannelLog log;
    ASSERT_TRUE(log.Open(path)) << "opened again, at its end";
    const std::string longLine(600, 'y');
    EXPECT_TRUE(log.WriteLine("\x03" "4" + longLine));
    // Each line is in the file as soon as it is written.
    EXPECT_EQ(test::ReadWholeFile(path), "<bob> hi there\r\n" + std::string(511, 'y') + "\r\n");
}

TEST(ChannelLogTest, LinksPipesAndFoldersInPlaceOfTheFileAreRefused) {
    test::TempDir dir;
    test::WriteWholeFile(dir.File("target"), "keep");
    ASSERT_EQ(::mkdir(dir.File("logs").c_str(), 0700), 0);
    ASSERT_EQ(::symlink(dir.File("target").c_str(), dir.File("logs/link.log").c_str()), 0);
    ASSERT_EQ(::mkfifo(dir.File("logs/pipe.log").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(dir.File("logs/dir.log").c_str(), 0700), 0);
    for (const char* name : {"logs/link.log", "logs/pipe.log", "logs/dir.log"}) {
        ChannelLog log;
        EXPECT_FALSE(log.Open(dir.File(name))) << name;
        EXPECT_FALSE(log.WriteLine("x"));
    }
    EXPECT_EQ(test::ReadWholeFile(dir.File("target")), "keep");
}

}  // namespace
}  // namespace parlevox
