#include "ui/qt/X11Keyboard.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/Keyboard.h"

namespace parlevox {
namespace {

// Away from X11 the Pause key reads as up, whatever answered before, and the
// answer goes with the keyboard.
TEST(X11KeyboardTest, AnswersOnlyUnderXcbAndUninstallsWhenItGoes) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) GTEST_SKIP() << "needs a platform other than X11";
    Keyboard::SetPauseSource([] { return true; });
    ASSERT_TRUE(Keyboard::IsPauseDown());
    {
        X11Keyboard keyboard;
        EXPECT_FALSE(keyboard.Available());
        keyboard.Install();
        EXPECT_FALSE(Keyboard::IsPauseDown());
    }
    EXPECT_FALSE(Keyboard::IsPauseDown());
    Keyboard::SetPauseSource({});
}

}  // namespace
}  // namespace parlevox
