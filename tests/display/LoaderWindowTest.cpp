// The title screen model: the ring's steps, the fading of the oldest
// positions, draining before close, and the loading time it saves.
#include "display/LoaderWindow.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "display/BitmapResource.h"
#include "display/ButtonStripLayout.h"

namespace parlevox {
namespace {

constexpr uint64_t kStart = 1000;

// A 48 x 48 icon whose left half is (blue 0, green 100, red 255) and whose
// right half is (30, 200, 7).
TitleIcon KnownIcon() {
    CRawBitmap pixels = CRawBitmap::TrueColour(48, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            uint8_t* p = pixels.Row(y) + x * 3;
            const bool left = x < 24;
            p[0] = left ? 0 : 30;
            p[1] = left ? 100 : 200;
            p[2] = left ? 255 : 7;
        }
    return {"module", "a", "b", pixels};
}

BgrColour SlotPixel(const CRawBitmap& image, int position, int x) {
    return image.PixelColour(layout::kTitleIconX + position * layout::kTitleIconPitch + x, layout::kTitleIconY + 20);
}

struct Ring {
    CLoaderWindow window{kStart, {}, {}};
    uint64_t now = kStart;
    void Steps(int count) {
        for (int i = 0; i < count; ++i) {
            now += CLoaderWindow::kStepMs;
            window.Step(now);
        }
    }
};

TEST(LoaderWindowTest, TheOldestThreePositionsFadeTowardsWhiteByTheirFormulas) {
    struct Case {
        int position;
        BgrColour left, right;
    };
    // 171v/256+84, 86v/256+169 and v/256+254 of (0,100,255) and (30,200,7).
    const std::vector<Case> cases = {
        {0, {0, 100, 255}, {30, 200, 7}},       {5, {0, 100, 255}, {30, 200, 7}},
        {6, {84, 150, 254}, {104, 217, 88}},    {7, {169, 202, 254}, {179, 236, 171}},
        {8, {254, 254, 254}, {254, 254, 254}},
    };
    for (const Case& c : cases) {
        Ring ring;
        ring.window.AddIcon(KnownIcon(), kStart);
        ring.window.NoMoreIcons();
        ring.Steps(c.position + 1);
        ASSERT_EQ(ring.window.ShownAt(c.position), std::optional<size_t>(0)) << c.position;
        const CRawBitmap& image = ring.window.Paint();
        EXPECT_EQ(SlotPixel(image, c.position, 5), c.left) << "position " << c.position;
        EXPECT_EQ(SlotPixel(image, c.position, 40), c.right) << "position " << c.position;
        const int other = c.position == 0 ? 1 : 0;
        EXPECT_EQ(SlotPixel(image, other, 5), (BgrColour{255, 255, 255})) << "the white slot behind it";
    }
}

TEST(LoaderWindowTest, StepsComeEvery300MillisecondsAndWaitForIconsStillToCome) {
    Ring ring;
    EXPECT_FALSE(ring.window.Step(kStart + 299));
    ring.window.AddIcon(KnownIcon(), kStart);
    EXPECT_TRUE(ring.window.Step(kStart + 300));
    EXPECT_FALSE(ring.window.Step(kStart + 599));
    EXPECT_FALSE(ring.window.Step(kStart + 600)) << "the queue is empty and more may come: the ring waits";
    EXPECT_EQ(ring.window.ShownAt(0), std::optional<size_t>(0));
    // Late by two seconds: one step, and the next a whole period later.
    ring.window.AddIcon(KnownIcon(), kStart);
    EXPECT_TRUE(ring.window.Step(kStart + 2900));
    EXPECT_FALSE(ring.window.Step(kStart + 3000));
    EXPECT_EQ(ring.window.ShownAt(0), std::optional<size_t>(1));
    EXPECT_EQ(ring.window.ShownAt(1), std::optional<size_t>(0));
}

TEST(LoaderWindowTest, CloseWaitsUntilEveryIconHasLeftTheRing) {
    Ring ring;
    EXPECT_FALSE(ring.window.ReadyToClose());
    ring.window.RequestClose();
    EXPECT_TRUE(ring.window.ReadyToClose()) << "nothing to show: closes at once";

    Ring two;
    two.window.AddIcon(KnownIcon(), kStart);
    two.window.AddIcon(KnownIcon(), kStart);
    two.window.RequestClose();  // implies that no more icons come
    two.Steps(10);
    EXPECT_FALSE(two.window.ReadyToClose());
    EXPECT_EQ(two.window.ShownAt(8), std::optional<size_t>(1)) << "the last icon in the ninth position";
    two.Steps(1);
    EXPECT_TRUE(two.window.ReadyToClose());
}

TEST(LoaderWindowTest, LoadingTimeStartsAtCreationOrAtTheFirstIconAndIsNotSavedAfterAPopup) {
    struct Case {
        CLoaderWindow::InstalledCounts installed;
        bool popup;
        std::optional<int> saved;
    };
    const std::vector<Case> cases = {
        {{0, 0, 0}, false, 7000},  {{1, 0, 0}, false, 3000},       {{0, 2, 0}, false, 3000},
        {{0, 0, 1}, false, 3000},  {{0, 0, 0}, true, std::nullopt}, {{0, 3, 0}, true, std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<int> saved;
        int calls = 0;
        CLoaderWindow window(kStart, c.installed, [&](int ms) {
            saved = ms;
            ++calls;
        });
        window.AddIcon(KnownIcon(), kStart + 4000);
        if (c.popup) window.PopupSeen();
        window.Finish(kStart + 7000);
        window.Finish(kStart + 9000);
        EXPECT_EQ(saved, c.saved) << c.installed.modules << c.popup;
        EXPECT_LE(calls, 1);
    }
}

// Everything the status text changes lies in its line at (292, 244).
TEST(LoaderWindowTest, TheStatusTextIsDrawnInItsPlaceOnThePicture) {
    CLoaderWindow window(kStart, {}, {});
    EXPECT_EQ(window.Status(), "Starting up the system...");
    const CRawBitmap first = window.Paint();
    window.SetStatus("Initialising major channels...");
    const CRawBitmap& second = window.Paint();
    ASSERT_EQ(second.Width(), layout::kTitleWidth);
    ASSERT_EQ(second.Height(), layout::kTitleHeight);
    int changed = 0;
    for (int y = 0; y < second.Height(); ++y)
        for (int x = 0; x < second.Width(); ++x)
            if (!(first.PixelColour(x, y) == second.PixelColour(x, y))) {
                ++changed;
                ASSERT_GE(x, layout::kTitleStatusX - 2) << y;
                ASSERT_GE(y, layout::kTitleStatusY) << x;
                ASSERT_LT(y, layout::kTitleStatusY + 20) << x;
            }
    EXPECT_GT(changed, 100);
    std::optional<CRawBitmap> picture = BitmapResource::Load("TITLESCREEN");
    ASSERT_TRUE(picture);
    EXPECT_EQ(second.PixelColour(10, 10), picture->PixelColour(10, 10));
}

}  // namespace
}  // namespace parlevox
