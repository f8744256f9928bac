#include "platform/RegistryAutoSave.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

constexpr uint64_t kWatchdogMs = 8000;

class RegistryAutoSaveTest : public testing::Test {
protected:
    void SetUp() override { registry_.Load(path_); }

    bool OnDisk() const {
        struct stat info {};
        return stat(path_.c_str(), &info) == 0;
    }
    // Runs the loop for about that long (saves do not end it early).
    void RunFor(uint64_t ms) {
        loop_.RunUntil([] { return false; }, ms);
    }
    uint64_t MsUntilSaved() {
        uint64_t start = Clock::TickCount();
        loop_.RunUntil([this] { return !registry_.Modified(); }, kWatchdogMs);
        return Clock::TickCount() - start;
    }

    test::TempDir dir_;
    std::string path_ = dir_.File("cfg/registry.reg");
    PollEventLoop loop_;
    test::LoopLeftEmpty loopCheck_{loop_};
    Registry registry_;
};

TEST_F(RegistryAutoSaveTest, SavesAboutASecondAfterTheLastChange) {
    RegistryAutoSave autoSave(loop_, registry_);
    for (int burst = 0; burst < 3; ++burst) {
        registry_.WriteProfileInt("Misc", "Burst", burst);
        RunFor(500);
        EXPECT_FALSE(OnDisk()) << "a change " << 500 * (burst + 1) << " ms after the first moved the save";
    }
    const uint64_t waited = MsUntilSaved();
    EXPECT_TRUE(OnDisk());
    EXPECT_LE(waited, 2000u);
    Registry loaded;
    ASSERT_TRUE(loaded.Load(path_));
    EXPECT_EQ(loaded.GetProfileInt("Misc", "Burst", -1), 2);
    EXPECT_FALSE(autoSave.Pending());
    EXPECT_EQ(loop_.PendingTimerCount(), 0u);
}

TEST_F(RegistryAutoSaveTest, ChangesThatNeverStopAreStillSaved) {
    RegistryAutoSave autoSave(loop_, registry_, {1000, 2000, 5000});
    const uint64_t start = Clock::TickCount();
    int change = 0;
    while (!OnDisk() && Clock::TickCount() - start < kWatchdogMs) {
        registry_.WriteProfileInt("Misc", "Counter", ++change);
        RunFor(200);
    }
    EXPECT_TRUE(OnDisk());
    EXPECT_LT(Clock::TickCount() - start, 4000u);
}

TEST_F(RegistryAutoSaveTest, WritingTheSameValueSchedulesNothing) {
    registry_.WriteProfileString("Colours", "Font name", "Fixedsys");
    ASSERT_TRUE(registry_.Save());
    RegistryAutoSave autoSave(loop_, registry_);
    registry_.WriteProfileString("colours", "FONT NAME", "Fixedsys");
    EXPECT_FALSE(registry_.Modified());
    EXPECT_FALSE(autoSave.Pending());
    registry_.WriteProfileString("Colours", "Font name", "Arial");
    EXPECT_TRUE(autoSave.Pending());
}

TEST_F(RegistryAutoSaveTest, TheLastWordAtExit) {
    struct Case {
        const char* description;
        bool change;
        bool expectFile;
    } cases[] = {{"unchanged", false, false}, {"changed", true, true}};
    for (const auto& c : cases) {
        unlink(path_.c_str());
        registry_.Load(path_);
        {
            RegistryAutoSave autoSave(loop_, registry_);
            if (c.change) registry_.WriteProfileInt("Positions", "Left", 5);
        }
        EXPECT_EQ(OnDisk(), c.expectFile) << c.description;
        EXPECT_FALSE(registry_.Modified()) << c.description;
        registry_.WriteProfileInt("Positions", "Top", 1);  // the saver is gone: nobody listens
        EXPECT_EQ(loop_.PendingTimerCount(), 0u);
    }
}

TEST_F(RegistryAutoSaveTest, AFailedSaveIsTriedAgain) {
    test::WriteWholeFile(dir_.File("cfg"), "a file where the folder should be");
    RegistryAutoSave autoSave(loop_, registry_, {100, 1000, 300});
    registry_.WriteProfileInt("Misc", "Smooth scroll", 1);
    loop_.RunUntil([&] { return autoSave.FailedSaves() > 0; }, kWatchdogMs);
    EXPECT_EQ(autoSave.FailedSaves(), 1);
    EXPECT_TRUE(autoSave.Pending());
    unlink(dir_.File("cfg").c_str());
    EXPECT_LT(MsUntilSaved(), kWatchdogMs);
    EXPECT_TRUE(OnDisk());
    EXPECT_EQ(autoSave.FailedSaves(), 1);
}

TEST_F(RegistryAutoSaveTest, ChangesMadeBeforeTheSaverAreSavedToo) {
    registry_.WriteProfileInt("Misc", "Early", 1);
    RegistryAutoSave autoSave(loop_, registry_, {100, 1000, 1000});
    EXPECT_TRUE(autoSave.Pending());
    EXPECT_LT(MsUntilSaved(), kWatchdogMs);
    EXPECT_TRUE(OnDisk());
}

}  // namespace
}  // namespace parlevox
