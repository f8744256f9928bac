#include "display/SchemeCompositing.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "display/AnchoredPoint.h"

namespace parlevox {
namespace {

AlphaImage MakeImage(int width, int height, const std::vector<std::array<uint8_t, 4>>& pixels) {
    AlphaImage image(width, height);
    for (size_t i = 0; i < pixels.size(); ++i) std::copy(pixels[i].begin(), pixels[i].end(), &image.Pixels()[i * 4]);
    return image;
}

std::array<uint8_t, 4> PixelOf(const AlphaImage& image, int x, int y) {
    const uint8_t* p = image.Pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
}

TEST(SchemeCompositingTest, CompositeUsesTheSourceOpacityOver256) {
    struct Case {
        uint8_t opacity, source, destination, expected;
    } cases[] = {
        {255, 255, 0, 254}, {0, 255, 17, 17}, {128, 255, 0, 127}, {128, 100, 200, 150}, {1, 255, 255, 255},
        {255, 0, 255, 0},
    };
    for (const Case& c : cases) {
        CRawBitmap target = CRawBitmap::TrueColour(1, 1, std::vector<uint8_t>{c.destination, 0, c.destination, 0});
        CompositeImage(target, MakeImage(1, 1, {{c.opacity, c.source, 9, c.source}}), 0, 0);
        EXPECT_EQ(target.PixelColour(0, 0).blue, c.expected) << int(c.opacity) << " " << int(c.source);
        EXPECT_EQ(target.PixelColour(0, 0).red, c.expected);
    }
}

TEST(SchemeCompositingTest, AreaAverageScalingOfAllFourBytes) {
    AlphaImage two = MakeImage(2, 2, {{255, 0, 10, 20}, {0, 90, 30, 40}, {100, 180, 50, 60}, {201, 255, 70, 81}});
    AlphaImage four(4, 4);  // blue = 10 x + 61 y
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) four.Pixel(x, y)[1] = static_cast<uint8_t>(10 * x + 61 * y);
    AlphaImage three = MakeImage(3, 1, {{255, 0, 0, 0}, {255, 100, 0, 0}, {255, 200, 0, 0}});
    struct Case {
        const char* description;
        const AlphaImage& source;
        int width, height, x, y;
        std::array<uint8_t, 4> expected;
    } cases[] = {
        {"2x2 to 3x3: corner is the corner pixel", two, 3, 3, 0, 0, {255, 0, 10, 20}},
        {"2x2 to 3x3: top middle halves two", two, 3, 3, 1, 0, {127, 45, 20, 30}},
        {"2x2 to 3x3: centre quarters four", two, 3, 3, 1, 1, {139, 131, 40, 50}},
        {"2x2 to 3x3: right middle", two, 3, 3, 2, 1, {100, 172, 50, 60}},
        {"2x2 to 3x3: bottom middle", two, 3, 3, 1, 2, {150, 217, 60, 70}},
        {"4x4 to 2x2: top left block", four, 2, 2, 0, 0, {255, 35, 0, 0}},
        {"4x4 to 2x2: bottom right block", four, 2, 2, 1, 1, {255, 177, 0, 0}},
        {"3x1 to 2x1: one and a half pixels", three, 2, 1, 0, 0, {255, 33, 0, 0}},
        {"3x1 to 2x1: the other half", three, 2, 1, 1, 0, {255, 166, 0, 0}},
        {"2x2 to 1x1 averages all four", two, 1, 1, 0, 0, {139, 131, 40, 50}},
    };
    for (const Case& c : cases) {
        AlphaImage scaled = ScaleImage(c.source, c.width, c.height);
        ASSERT_EQ(scaled.Width(), c.width) << c.description;
        EXPECT_EQ(PixelOf(scaled, c.x, c.y), c.expected) << c.description;
    }
    AlphaImage one = ScaleImage(two, 1, 1);
    EXPECT_EQ(PixelOf(ScaleImage(one, 2, 3), 1, 2), PixelOf(one, 0, 0));
    EXPECT_EQ(ScaleImage(AlphaImage(), 5, 5).Width(), 0);
    EXPECT_EQ(ScaleImage(two, 0, 5).Width(), 0);
}

TEST(SchemeCompositingTest, ClippedScaledDrawingMatchesScalingThenCompositing) {
    std::mt19937 random(7);
    AlphaImage image(7, 5);
    for (uint8_t& byte : image.Pixels()) byte = static_cast<uint8_t>(random());
    const PixelRect rects[] = {{-6, -3, 17, 9}, {2, 1, 5, 3}, {9, 8, 40, 30}, {-50, -50, 60, 60}};
    for (const PixelRect& rect : rects) {
        CRawBitmap expected = CRawBitmap::TrueColour(13, 11), drawn = CRawBitmap::TrueColour(13, 11);
        for (size_t i = 0; i < expected.Pixels().size(); ++i) expected.Pixels()[i] = drawn.Pixels()[i] = uint8_t(i * 7);
        AlphaImage scaled = ScaleImage(image, rect.right - rect.left, rect.bottom - rect.top);
        CompositeImage(expected, scaled, rect.left, rect.top);
        CompositeScaled(drawn, image, rect);
        EXPECT_TRUE(std::equal(expected.Pixels().begin(), expected.Pixels().end(), drawn.Pixels().begin()))
            << rect.left << "," << rect.top;
    }
}

TEST(SchemeCompositingTest, BlendRectStaysInsideTheRectAndTheImage) {
    CRawBitmap target = CRawBitmap::TrueColour(5, 4);  // white
    BlendRect(target, {3, -2, 9, 2}, {0, 0, 0}, 256);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(target.PixelColour(x, y).green, x >= 3 && y < 2 ? 0 : 255) << x << "," << y;
    BlendRect(target, {4, 3, 2, 1}, {0, 0, 0}, 256);  // inverted: nothing
    EXPECT_EQ(target.PixelColour(3, 2).green, 255);
}

}  // namespace
}  // namespace parlevox
