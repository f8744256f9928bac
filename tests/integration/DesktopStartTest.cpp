// The desktop client as a person starts it the first time: a fresh home,
// the title screen showing the modules installed on the way, then the
// main window, which must complete itself and take commands.
#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

#ifdef PARLEVOX_GUI_PATH
TEST(DesktopStartTest, TheFirstStartReachesAUsableMainWindow) {
    TempDir home;
    ChildProcess client({PARLEVOX_GUI_PATH},
                        {"HOME=" + home.Path(), "XDG_CONFIG_HOME=" + home.Path() + "/.config",
                         "XDG_DATA_HOME=" + home.Path() + "/.local/share", "QT_QPA_PLATFORM=offscreen",
                         "PARLEVOX_EXIT_AFTER_START=1"});
    ASSERT_TRUE(client.Started());
    // It leaves by itself once the main window has completed itself; a
    // main window that never completes keeps it running until it is killed.
    EXPECT_EQ(client.Wait(60000), 0);
}
#endif

}  // namespace
}  // namespace parlevox::test
