#include "common/InternalErrorReport.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

std::string GeneralReport(const std::string& name, int line) {
    return "An unexpected event has occured in the program. This is probably the result of a bug.\n\n"
           "Please note down the following information:\n\n" +
           fmt::format("{} {} -- {:x}", name, line, InternalErrorCode(name, line)) +
           "\n\nDo not click OK until you have written down this information. In your bug report, explain also "
           "what happened after you clicked OK here (did the program crash or not).";
}

TEST(InternalErrorReportTest, OtherFilesShowNameLineAndCode) {
    struct Case {
        const char* sourceFile;
        const char* name;
    } cases[] = {
        {"NetworkWnd.cpp", "NetworkWnd.cpp"},
        {"/src/irc/NetworkWnd.cpp", "NetworkWnd.cpp"},
        {"C:\\Brim\\src\\Timer.cpp", "Timer.cpp"},
        {"mixed\\dir/parts\\Idiots.cpp", "Idiots.cpp"},
        {"dir/", ""},
    };
    for (const auto& c : cases) {
        test::ScriptedUserInterface ui;
        InternalErrorReport(c.sourceFile, 1234);
        ASSERT_EQ(ui.boxes.size(), 1u) << c.sourceFile;
        EXPECT_EQ(ui.boxes[0].text, GeneralReport(c.name, 1234)) << c.sourceFile;
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::Ok);
    }
}

TEST(InternalErrorReportTest, CodesTellCallSitesApart) {
    EXPECT_NE(InternalErrorCode("a.cpp", 10), InternalErrorCode("a.cpp", 11));
    EXPECT_NE(InternalErrorCode("a.cpp", 10), InternalErrorCode("b.cpp", 10));
    EXPECT_EQ(InternalErrorCode("a.cpp", 10), InternalErrorCode("a.cpp", 10));
}

TEST(InternalErrorReportTest, LastSystemErrorBox) {
    test::ScriptedUserInterface ui;
    errno = ENOENT;
    ShowLastSystemError();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "GetLastError");
    EXPECT_EQ(ui.boxes[0].text, std::strerror(ENOENT));
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace parlevox
