#include "display/AnchoredPoint.h"

#include <climits>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

TEST(AnchoredPointTest, EvaluatesOffsetsAndSharesRoundingDown) {
    struct Case {
        const char* description;
        AnchoredPoint point;
        int width, height;
        PixelPoint expected;
    } cases[] = {
        {"8 in from the top left", {8, 0, 0, 8, 0, 0}, 400, 300, {8, 8}},
        {"8 in from the bottom right", {-8, 256, 0, -8, 0, 256}, 400, 300, {392, 292}},
        {"centre", {0, 128, 0, 0, 0, 128}, 400, 300, {200, 150}},
        {"full share of an odd size is the size", {0, 256, 0, 0, 0, 256}, 401, 299, {401, 299}},
        {"half of an odd size rounds down", {0, 128, 0, 0, 0, 128}, 401, 299, {200, 149}},
        {"negative product rounds down", {0, -128, 0, 0, 0, -1}, 401, 299, {-201, -2}},
        {"x from the height, y from the width", {1, 0, 64, 2, 32, 0}, 100, 40, {11, 14}},
        {"zero-size window", {-8, 256, 0, -8, 0, 256}, 0, 0, {-8, -8}},
        {"extremes are held to the limit", {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, INT32_MIN},
         32767, 32767, {AnchoredPoint::kCoordinateLimit, -AnchoredPoint::kCoordinateLimit}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.point.Evaluate(c.width, c.height), c.expected) << c.description;
}

TEST(AnchoredPointTest, RectangleOfFixedSizeFollowsANewImageSize) {
    AnchoredRect fixed{{5, 10, 0, 7, 0, 20}, {6, 10, 0, 8, 0, 20}};
    fixed.FitFixedSize(30, 40);
    EXPECT_EQ(fixed.bottomRight, (AnchoredPoint{35, 10, 0, 47, 0, 20}));
    PixelRect r = fixed.Evaluate(256, 256);
    EXPECT_EQ(r.right - r.left, 30);
    EXPECT_EQ(r.bottom - r.top, 40);

    AnchoredRect stretching{{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}};
    AnchoredRect before = stretching;
    stretching.FitFixedSize(30, 40);
    EXPECT_EQ(stretching, before);
}

}  // namespace
}  // namespace parlevox
