#include "display/Scheme.h"

#include <algorithm>
#include <climits>
#include <tuple>

#include <gtest/gtest.h>

#include "display/SchemeImageImport.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

constexpr BgrColour kBlack{0, 0, 0};

std::tuple<int, int, int, int> Edges(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A solid one-colour image item at a fixed rectangle.
std::unique_ptr<CSchemeImage> Solid(const char* name, BgrColour colour, PixelRect at, int width = 1, int height = 1) {
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(width, height);
    for (size_t i = 0; i < image->Image().Pixels().size(); i += 4) {
        image->Image().Pixels()[i + 1] = colour.blue;
        image->Image().Pixels()[i + 2] = colour.green;
        image->Image().Pixels()[i + 3] = colour.red;
    }
    image->Rect() = FixedRect(at.left, at.top, at.right, at.bottom);
    return image;
}

std::unique_ptr<CSchemeHotspot> Spot(const char* name, PixelRect at, int normal, int over, int pressed) {
    auto hotspot = std::make_unique<CSchemeHotspot>(name);
    hotspot->Rect() = FixedRect(at.left, at.top, at.right, at.bottom);
    hotspot->SetImageRef(HotspotLook::Normal, normal);
    hotspot->SetImageRef(HotspotLook::MouseOver, over);
    hotspot->SetImageRef(HotspotLook::Pressed, pressed);
    return hotspot;
}

// A new item's name: the letter, then two hexadecimal numbers padded with spaces to 8.
bool IsNewItemName(const std::string& name, char letter) {
    return name.size() == 17 && name[0] == letter &&
           name.find_first_not_of(" 0123456789abcdef", 1) == std::string::npos;
}

BgrColour DrawnAt(const CScheme& scheme, int x, int y, HotspotState state = {}) {
    CRawBitmap image = CRawBitmap::TrueColour(8, 4);
    scheme.Draw(image, 8, 4, 0, 0, state);
    return image.PixelColour(x, y);
}

class SchemeTest : public testing::Test {
protected:
    size_t Reports() const { return ui.boxes.size(); }
    test::ScriptedUserInterface ui;
    CScheme scheme;
};

TEST_F(SchemeTest, DefaultsOfTheBuiltInScheme) {
    EXPECT_EQ(scheme.Colour(0), (BgrColour{255, 255, 255}));
    EXPECT_EQ(scheme.Colour(2), (BgrColour{127, 0, 0}));
    EXPECT_EQ(scheme.Colour(7), (BgrColour{0, 127, 252}));
    EXPECT_EQ(scheme.Colour(15), (BgrColour{210, 210, 210}));
    EXPECT_EQ(scheme.Margins().rect.Evaluate(400, 300).right, 392);
    EXPECT_EQ(scheme.Margins().continuationIndent, 32);
    EXPECT_EQ(scheme.TextFont().Name(), "Text");
    EXPECT_EQ(scheme.TextFont().Face(), "Arial");
    EXPECT_EQ(scheme.TextFont().Size(), 15);
    EXPECT_EQ(scheme.TextFont().Fallback(), 1);
    EXPECT_EQ(scheme.Usage().servers, std::vector<std::string>{"*"});
    EXPECT_EQ(DrawnAt(scheme, 3, 3), (BgrColour{255, 255, 255}));
}

TEST_F(SchemeTest, FadeBoxAndImageFormulasThroughTheDrawOrder) {
    struct Case {
        const char* description;
        int opacity;
        uint8_t under;
        uint8_t expected;
    } cases[] = {
        {"opacity 32 white over black", 32, 0, 31},
        {"opacity 256 paints the colour", 256, 77, 255},
        {"opacity 0 leaves the pixel", 0, 77, 77},
        {"opacity above 256 counts as 256", 9999, 3, 255},
        {"negative opacity counts as 0", -9999, 3, 3},
    };
    for (const Case& c : cases) {
        CScheme fade;
        fade.SetBackground(RgbColour(c.under, c.under, c.under));
        auto box = std::make_unique<CSchemeFadebox>("f");
        box->SetOpacity(c.opacity);
        box->Rect() = FixedRect(0, 0, 8, 4);
        fade.AppendToDrawOrder(fade.AddItem(std::move(box)));
        EXPECT_EQ(DrawnAt(fade, 5, 2), (BgrColour{c.expected, c.expected, c.expected})) << c.description;
    }
}

TEST_F(SchemeTest, ImageOfItsOwnSizeIsNotScaledOnePixelWiderIs) {
    scheme.SetBackground(0);
    auto image = Solid("two", {255, 255, 255}, {0, 0, 2, 1}, 2, 1);
    image->Image().Pixel(1, 0)[1] = 0;  // white, black
    image->Image().Pixel(1, 0)[2] = 0;
    image->Image().Pixel(1, 0)[3] = 0;
    CSchemeImage* item = image.get();
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(image)));
    EXPECT_EQ(DrawnAt(scheme, 0, 0).green, 254);
    EXPECT_EQ(DrawnAt(scheme, 1, 0).green, 0);
    item->Rect().bottomRight.xOffset = 3;
    EXPECT_EQ(DrawnAt(scheme, 0, 0).green, 254);
    EXPECT_EQ(DrawnAt(scheme, 1, 0).green, 126);  // half of each: 127 at opacity 255
    EXPECT_EQ(DrawnAt(scheme, 2, 0).green, 0);
}

TEST_F(SchemeTest, HotspotsDrawTheImageOfTheirState) {
    scheme.SetBackground(0);
    int red = scheme.AddItem(Solid("red", {0, 0, 255}, {0, 0, 1, 1}));
    int green = scheme.AddItem(Solid("green", {0, 255, 0}, {0, 0, 1, 1}));
    int blue = scheme.AddItem(Solid("blue", {255, 0, 0}, {4, 0, 5, 1}));
    scheme.AppendToDrawOrder(scheme.AddItem(Spot("first", {0, 0, 4, 4}, red, green, -1)));
    scheme.AppendToDrawOrder(scheme.AddItem(Spot("second", {4, 0, 8, 4}, -1, -1, blue)));
    struct Case {
        HotspotState state;
        BgrColour first, second;
    } cases[] = {
        {{-1, false}, {0, 0, 254}, kBlack},
        {{0, false}, {0, 254, 0}, kBlack},
        {{0, true}, kBlack, kBlack},
        {{1, true}, {0, 0, 254}, {254, 0, 0}},
        {{1, false}, {0, 0, 254}, kBlack},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawnAt(scheme, 0, 0, c.state), c.first) << c.state.number << c.state.pressed;
        EXPECT_EQ(DrawnAt(scheme, 4, 0, c.state), c.second) << c.state.number << c.state.pressed;
    }
    EXPECT_EQ(scheme.HotspotCount(), 2);
    EXPECT_EQ(scheme.HotspotImage(1, HotspotLook::Pressed), scheme.Item(blue));
    EXPECT_EQ(scheme.HotspotImage(1, HotspotLook::Normal), nullptr);
    EXPECT_EQ(Reports(), 0u);
    EXPECT_EQ(scheme.Hotspot(2), nullptr);
    EXPECT_EQ(Reports(), 1u);
}

TEST_F(SchemeTest, FirstHotspotInDrawOrderContainingThePointWins) {
    int back = scheme.AddItem(Spot("back", {0, 0, 10, 10}, -1, -1, -1));
    int front = scheme.AddItem(Spot("front", {5, 5, 20, 20}, -1, -1, -1));
    scheme.AppendToDrawOrder(front);
    scheme.AppendToDrawOrder(back);
    struct Case {
        int x, y, expected;
    } cases[] = {{6, 6, 0}, {2, 2, 1}, {9, 9, 0}, {19, 19, 0}, {20, 19, -1}, {10, 4, -1}, {-1, 0, -1}};
    for (const Case& c : cases) EXPECT_EQ(scheme.HotspotAt(c.x, c.y, 100, 100), c.expected) << c.x << "," << c.y;
}

TEST_F(SchemeTest, RemovingAnItemFixesReferencesAndTheDrawOrder) {
    struct Case {
        const char* description;
        int removed;
        bool entryRemovedFirst;
        std::array<int, 3> images;  // normal, mouse-over, pressed after removal
        int sound, action;
        std::vector<int> drawOrder;
        size_t reports;
    } cases[] = {
        {"earlier image: later references move down", 1, true, {0, -1, 1}, 2, 3, {0, 4}, 0},
        {"first item left in the draw order", 0, false, {-1, 0, 1}, 2, 3, {4, 0}, 1},
        {"the action, not in the draw order", 4, true, {0, 1, 2}, 3, -1, {0, 4, 1}, 0},
        {"the sound", 3, true, {0, 1, 2}, -1, 3, {0, 4, 1}, 0},
    };
    for (const Case& c : cases) {
        ui.boxes.clear();
        CScheme s;
        s.AddItem(std::make_unique<CSchemeImage>("a"));
        s.AddItem(std::make_unique<CSchemeImage>("b"));
        s.AddItem(std::make_unique<CSchemeImage>("c"));
        s.AddItem(std::make_unique<CSchemeSound>("s.wav"));
        s.AddItem(std::make_unique<CSchemeURL>("u"));
        auto spot = Spot("h", {0, 0, 1, 1}, 0, 1, 2);
        spot->SetSoundRef(2, 3);
        spot->SetActionRef(4);
        int hotspot = s.AddItem(std::move(spot));
        for (int position : {0, hotspot, 1}) s.AppendToDrawOrder(position);
        if (c.entryRemovedFirst) {
            auto& order = s.DrawOrder();
            int entry = static_cast<int>(std::find(order.begin(), order.end(), c.removed) - order.begin());
            if (entry < static_cast<int>(order.size())) s.RemoveDrawOrderEntry(entry);
        }
        s.RemoveItem(c.removed);
        auto* h = s.ItemOfKind<CSchemeHotspot>(s.Find("h"));
        ASSERT_NE(h, nullptr) << c.description;
        EXPECT_EQ(h->ImageRef(HotspotLook::Normal), c.images[0]) << c.description;
        EXPECT_EQ(h->ImageRef(HotspotLook::MouseOver), c.images[1]) << c.description;
        EXPECT_EQ(h->ImageRef(HotspotLook::Pressed), c.images[2]) << c.description;
        EXPECT_EQ(h->SoundRef(2), c.sound) << c.description;
        EXPECT_EQ(h->ActionRef(), c.action) << c.description;
        EXPECT_EQ(s.DrawOrder(), c.drawOrder) << c.description;
        EXPECT_EQ(ui.boxes.size(), c.reports) << c.description;
    }
}

TEST_F(SchemeTest, DrawOrderEditing) {
    for (const char* name : {"a", "b", "c"})
        scheme.AppendToDrawOrder(scheme.AddItem(std::make_unique<CSchemeImage>(name)));
    EXPECT_TRUE(scheme.MoveDrawOrderEntryUp(2));
    EXPECT_EQ(scheme.DrawOrder(), (std::vector<int>{0, 2, 1}));
    EXPECT_TRUE(scheme.MoveDrawOrderEntryDown(0));
    EXPECT_EQ(scheme.DrawOrder(), (std::vector<int>{2, 0, 1}));
    EXPECT_FALSE(scheme.MoveDrawOrderEntryUp(0));
    EXPECT_FALSE(scheme.MoveDrawOrderEntryDown(2));
    scheme.RemoveDrawOrderEntry(1);
    EXPECT_EQ(scheme.DrawOrder(), (std::vector<int>{2, 1}));
    EXPECT_EQ(Reports(), 0u);
    EXPECT_FALSE(scheme.AppendToDrawOrder(3));
    EXPECT_FALSE(scheme.MoveDrawOrderEntryUp(5));
    EXPECT_EQ(Reports(), 2u);
    EXPECT_EQ(scheme.DrawOrder(), (std::vector<int>{2, 1}));
}

TEST_F(SchemeTest, CopiesAreIndependentAndOwnTheirItems) {
    scheme.SetBackground(0);
    int image = scheme.AddItem(Solid("img", {0, 0, 255}, {0, 0, 1, 1}));
    scheme.AppendToDrawOrder(scheme.AddItem(Spot("h", {0, 0, 1, 1}, image, -1, -1)));
    CScheme copy = scheme;
    scheme.ItemOfKind<CSchemeImage>(image)->Image().Pixel(0, 0)[3] = 0;
    scheme.SetBackground(RgbColour(1, 2, 3));
    EXPECT_EQ(DrawnAt(copy, 0, 0), (BgrColour{0, 0, 254}));
    EXPECT_EQ(DrawnAt(copy, 1, 0), kBlack);
    EXPECT_EQ(copy.Item(image)->Owner(), &copy);
    EXPECT_EQ(copy.DrawOrder(), scheme.DrawOrder());
    CScheme moved = std::move(copy);
    EXPECT_EQ(moved.Item(image)->Owner(), &moved);
    EXPECT_EQ(DrawnAt(moved, 0, 0), (BgrColour{0, 0, 254}));
}

TEST_F(SchemeTest, NewItemsAndTheirNames) {
    EXPECT_EQ(CScheme::NewItemName("i%8x%8x", 0x5f, 0x1234abcd), "i      5f1234abcd");
    int image = scheme.AddNewImage();
    int fade = scheme.AddNewFadebox();
    int hotspot = scheme.AddNewHotspot();
    EXPECT_TRUE(IsNewItemName(scheme.Item(image)->Name(), 'i'));
    std::string name = scheme.Item(hotspot)->Name();
    EXPECT_TRUE(IsNewItemName(name, 'f'));
    EXPECT_NE(scheme.Item(fade)->Name(), name);
    EXPECT_EQ(scheme.ItemCount(), 7);
    EXPECT_EQ(scheme.DrawOrder(), (std::vector<int>{image, fade, hotspot}));
    const auto* spot = scheme.ItemOfKind<CSchemeHotspot>(hotspot);
    EXPECT_EQ(scheme.Item(spot->ImageRef(HotspotLook::Normal))->Name(), name + "N");
    EXPECT_EQ(scheme.Item(spot->ImageRef(HotspotLook::MouseOver))->Name(), name + "O");
    EXPECT_EQ(scheme.Item(spot->ImageRef(HotspotLook::Pressed))->Name(), name + "D");
    ASSERT_GE(scheme.Find(name + "A"), 0);
    EXPECT_EQ(scheme.HotspotAction(0), scheme.Item(scheme.Find(name + "A")));
    EXPECT_EQ(spot->SoundRef(0), -1);
    const auto* box = scheme.ItemOfKind<CSchemeFadebox>(fade);
    EXPECT_EQ(box->Opacity(), 32);
    EXPECT_EQ(Edges(box->Rect().Evaluate(512, 256)), std::tuple(0, 0, 200, 100));
    EXPECT_EQ(Edges(scheme.ItemOfKind<CSchemeImage>(image)->Rect().Evaluate(512, 256)), std::tuple(0, 0, 1, 1));
}

TEST_F(SchemeTest, FullSchemeOf128HotspotsRefusesMore) {
    for (int i = 0; i < CScheme::kMaxItems; ++i) {
        // Every kind of bad reference: to itself, to another hot spot, out of range.
        auto spot = Spot("h", {i, 0, i + 1, 1}, i, (i + 1) % 128, 200);
        spot->SetActionRef(i);
        scheme.AppendToDrawOrder(scheme.AddItem(std::move(spot)));
    }
    EXPECT_EQ(Reports(), 0u);
    EXPECT_EQ(scheme.AddItem(std::make_unique<CSchemeImage>("one too many")), -1);
    EXPECT_EQ(scheme.AddNewHotspot(), -1);
    EXPECT_EQ(scheme.AddNewImage(), -1);
    EXPECT_EQ(Reports(), 3u);
    EXPECT_EQ(scheme.ItemCount(), 128);
    EXPECT_EQ(scheme.HotspotCount(), 128);
    EXPECT_EQ(scheme.HotspotAt(127, 0, 1, 1), 127);
    EXPECT_EQ(scheme.HotspotAction(5), nullptr);
    // References to other kinds draw nothing; the one out of range is reported.
    EXPECT_EQ(DrawnAt(scheme, 0, 0, {0, false}), (BgrColour{255, 255, 255}));
    EXPECT_EQ(Reports(), 3u);
    EXPECT_EQ(DrawnAt(scheme, 0, 0, {0, true}), (BgrColour{255, 255, 255}));
    EXPECT_EQ(Reports(), 4u);
}

TEST_F(SchemeTest, RectanglesFarOutsideOrInvertedInTinyWindows) {
    constexpr int32_t kBig = INT32_MAX, kSmall = INT32_MIN;
    const AnchoredRect rects[] = {
        {{kSmall, 0, 0, kSmall, 0, 0}, {kBig, 0, 0, kBig, 0, 0}},
        {{0, kBig, kBig, 0, kBig, kBig}, {0, kSmall, kSmall, 0, kSmall, kSmall}},
        {{5, 0, 0, 5, 0, 0}, {-5, 0, 0, -5, 0, 0}},
        {{-3, 0, 0, -3, 0, 0}, {1, 256, 0, 1, 0, 256}},
        {{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}},
        {{-100000, 0, 0, 0, 0, 0}, {100000, 0, 0, 2, 0, 0}},
    };
    for (const AnchoredRect& rect : rects) {
        CScheme s;
        auto image = Solid("i", {1, 2, 3}, {}, 3, 2);
        image->Rect() = rect;
        auto empty = std::make_unique<CSchemeImage>("empty");
        empty->Image() = AlphaImage(0, 0);
        empty->Rect() = rect;
        auto box = std::make_unique<CSchemeFadebox>("f");
        box->Rect() = rect;
        auto spot = Spot("h", {}, 0, 0, 1);
        spot->Rect() = rect;
        s.AppendToDrawOrder(s.AddItem(std::move(image)));
        s.AppendToDrawOrder(s.AddItem(std::move(empty)));
        s.AppendToDrawOrder(s.AddItem(std::move(box)));
        s.AppendToDrawOrder(s.AddItem(std::move(spot)));
        for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {37, 23}}) {
            CRawBitmap target = CRawBitmap::TrueColour(w, h);
            s.Draw(target, w, h, 0, 0, {0, true});
            s.Draw(target, w, h, -w, 7, {0, false});
            s.HotspotAt(0, 0, w, h);
            s.RenderHotspot(0, true, w, h);
        }
    }
    EXPECT_EQ(Reports(), 0u);
}

TEST_F(SchemeTest, HotspotPictureIncludesItemsAboveAndBelow) {
    scheme.SetBackground(0);
    int over = scheme.AddItem(Solid("over", {0, 255, 0}, {2, 1, 4, 3}, 2, 2));
    scheme.AppendToDrawOrder(scheme.AddItem(Spot("h", {2, 1, 4, 3}, -1, over, -1)));
    auto box = std::make_unique<CSchemeFadebox>("top");
    box->Rect() = FixedRect(0, 0, 3, 8);
    box->SetOpacity(256);
    box->SetColour(RgbColour(9, 9, 9));
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(box)));
    std::optional<HotspotPicture> picture = scheme.RenderHotspot(0, false, 8, 4);
    ASSERT_TRUE(picture);
    EXPECT_EQ(Edges(picture->rect), std::tuple(2, 1, 4, 3));
    EXPECT_EQ(picture->image.PixelColour(0, 0), (BgrColour{9, 9, 9}));
    EXPECT_EQ(picture->image.PixelColour(1, 1), (BgrColour{0, 254, 0}));
    EXPECT_FALSE(scheme.RenderHotspot(0, true, 8, 4));
}

TEST_F(SchemeTest, ImportedImageOfFixedSizeTakesItsNewSize) {
    test::TempDir dir;
    test::WriteWholeFile(dir.File("a.raw"), std::string(3 * 2 * 4, '\x40'));
    struct Case {
        const char* description;
        AnchoredRect rect;
        std::string file;
        AnchoredPoint bottomRight;
    } cases[] = {
        {"fixed size", FixedRect(5, 6, 7, 8), "a.raw", {8, 0, 0, 8, 0, 0}},
        {"fixed size anchored to the bottom right", {{-9, 256, 0, -9, 0, 256}, {0, 256, 0, 0, 0, 256}}, "a.raw",
         {-6, 256, 0, -7, 0, 256}},
        {"stretched with the window", {{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}}, "a.raw", {0, 256, 0, 0, 0, 256}},
        {"failed import", FixedRect(5, 6, 7, 8), "missing.raw", {7, 0, 0, 8, 0, 0}},
    };
    for (const Case& c : cases) {
        CSchemeImage item("i");
        item.Rect() = c.rect;
        SchemeImageImport::LoadRawImage(ui, dir.File(c.file), 3, 2, item);
        EXPECT_EQ(item.Rect().bottomRight, c.bottomRight) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
