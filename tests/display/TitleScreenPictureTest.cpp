// The built-in title screen: its PNG form (as parlevox-docpics writes it for
// docs/) and the layout a person sees.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "display/BitmapResource.h"
#include "display/ButtonStripLayout.h"
#include "support/PngWriter.h"

namespace parlevox {
namespace {

uint32_t BigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

std::vector<uint8_t> Rgb(const CRawBitmap& bitmap) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            BgrColour c = bitmap.PixelColour(x, y);
            rgb.insert(rgb.end(), {c.red, c.green, c.blue});
        }
    return rgb;
}

TEST(TitleScreenPictureTest, EncodesAsAPngThatInflatesBackToTheRows) {
    std::optional<CRawBitmap> title = BitmapResource::Load("TITLESCREEN");
    ASSERT_TRUE(title);
    // What a person sees: the picture through the client's own drawing.
    CRawBitmap screen = CRawBitmap::TrueColour(title->Width(), title->Height());
    title->DrawTo(screen, 0, 0);
    std::vector<uint8_t> rgb = Rgb(screen);
    std::string png = test::EncodePng(screen.Width(), screen.Height(), rgb);

    // Signature, header and data chunks, each with a good CRC; the data
    // inflate back to the rows.
    ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    std::string inflatedRows;
    for (size_t at = 8; at + 12 <= png.size();) {
        uint32_t length = BigEndian(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        std::string body = png.substr(at + 4, 4 + length);
        EXPECT_EQ(BigEndian(png, at + 8 + length),
                  crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
        if (body.substr(0, 4) == "IHDR") {
            EXPECT_EQ(BigEndian(body, 4), 600u);
            EXPECT_EQ(BigEndian(body, 8), 420u);
        }
        if (body.substr(0, 4) == "IDAT") {
            uLongf size = 420 * (1 + 600 * 3);
            inflatedRows.assign(size, '\0');
            ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(inflatedRows.data()), &size,
                                 reinterpret_cast<const Bytef*>(body.data() + 4), length),
                      Z_OK);
        }
        at += 12 + length;
    }
    ASSERT_EQ(inflatedRows.size(), 420u * 1801u);
    EXPECT_EQ(inflatedRows[1801 * 300], '\0') << "row filter";
    EXPECT_EQ(static_cast<uint8_t>(inflatedRows[1801 * 300 + 1 + 3 * 17]), rgb[(300 * 600 + 17) * 3]);
}

int Brightness(const CRawBitmap& screen, int x, int y) {
    BgrColour c = screen.PixelColour(x, y);
    return c.red + c.green + c.blue;
}

// The client draws its icons at the layout's slots: each needs its whole
// frame inside the picture, and nothing of the ring may touch the sides.
// Above the status card there is only background: the status text alone
// says what is happening.
TEST(TitleScreenPictureTest, SlotFramesLieInsideAndNoCaptionSitsAboveTheStatus) {
    std::optional<CRawBitmap> title = BitmapResource::Load("TITLESCREEN");
    ASSERT_TRUE(title);
    CRawBitmap screen = CRawBitmap::TrueColour(title->Width(), title->Height());
    title->DrawTo(screen, 0, 0);
    using namespace layout;
    const int band = kTitleIconY - 8;  // plain white between the band's top line and the frames
    for (int y = kTitleIconY - 6; y < kTitleIconY + kIconSide + 6; ++y)
        for (int x : {0, 1, kTitleWidth - 2, kTitleWidth - 1})
            EXPECT_EQ(Brightness(screen, x, y), Brightness(screen, x, band)) << "side of the ring at " << x << "," << y;
    for (int slot = 0; slot < kTitleIconSlots; ++slot) {
        const int left = kTitleIconX + slot * kTitleIconPitch, middle = kTitleIconY + kIconSide / 2;
        EXPECT_LT(Brightness(screen, left - 3, middle), Brightness(screen, left + 2, middle)) << "slot " << slot;
        EXPECT_LT(Brightness(screen, left + kIconSide + 2, middle), Brightness(screen, left + kIconSide - 3, middle))
            << "slot " << slot;
    }
    // Rows between the banner's shadow and the card: the background is a
    // vertical gradient, so any text shows as a darker pixel in its row.
    for (int y = 212; y < 228; ++y) {
        const int plain = Brightness(screen, kTitleStatusX - 20, y);
        for (int x = kTitleStatusX - 12; x < kTitleWidth - 12; ++x)
            ASSERT_GE(Brightness(screen, x, y), plain - 24) << "text at " << x << "," << y;
    }
}

}  // namespace
}  // namespace parlevox
