// A process killed while it saves leaves the old file or the new one, whole.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "settings/SettingsList.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

// A store big enough that a save takes a while, so kills land inside saves.
void FillStore(Registry& registry, const std::string& path, const std::string& tag) {
    registry.Load(path);
    std::vector<std::string> items;
    for (int i = 0; i < 4000; ++i) items.push_back(tag + std::to_string(i) + std::string(40, 'x'));
    SaveTextList(registry, ListLayout::Counted("Stress"), items);
    registry.WriteProfileString("Misc", "Version", tag);
}

// The child saves the two contents by turns until it is killed (or gives
// up after a while, should the test itself be gone).
[[noreturn]] void SaveForever(Registry& first, Registry& second) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (int turn = 0; std::chrono::steady_clock::now() < giveUp; ++turn) (turn % 2 ? second : first).Save();
    _exit(0);
}

TEST(CrashSafeSaveTest, AKilledSaveLeavesTheOldOrTheNewFile) {
    test::TempDir dir;
    const std::string path = dir.File("registry.reg");
    Registry first, second;
    FillStore(first, path, "first");
    FillStore(second, path, "second");
    ASSERT_TRUE(first.Save());
    const std::string firstText = first.ExportText();
    const std::string secondText = second.ExportText();
    ASSERT_NE(firstText, secondText);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMs(2, 60);
    int tmpLeftBehind = 0;
    for (int round = 0; round < 30; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) SaveForever(first, second);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        if (access((path + ".tmp").c_str(), F_OK) == 0) ++tmpLeftBehind;

        const std::string onDisk = test::ReadWholeFile(path);
        ASSERT_TRUE(onDisk == firstText || onDisk == secondText) << "round " << round << ": " << onDisk.size()
                                                                 << " bytes of something else";
        Registry loaded;
        ASSERT_TRUE(loaded.Load(path));
        EXPECT_EQ(loaded.LoadSkippedLines(), 0);
    }
    // Not a condition (timing decides), but it shows the kills hit saves.
    RecordProperty("KillsDuringAWrite", tmpLeftBehind);
}

}  // namespace
}  // namespace parlevox
