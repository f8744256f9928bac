#include "display/SchemeFile.h"

#include <sys/stat.h>
#include <zlib.h>

#include <set>

#include <gtest/gtest.h>

#include "common/InternalErrorReport.h"
#include "common/TextError.h"
#include "display/SchemeFileTexts.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

const std::string kName32 = "abcdefghijklmnopqrstuvwxyz012345";

// Encoders written from the file layout, independent of the code under test.
std::string I32(int64_t value) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>(static_cast<uint64_t>(value) >> (8 * i));
    return out;
}
std::string T32(std::string text) {
    text.resize(32, '\0');
    return text;
}
std::string Rect(int base) {
    std::string out;
    for (int i = 0; i < 12; ++i) out += I32(base + i);
    return out;
}

// A file of the given record data, compressed as the format says.
std::string RawFile(const std::string& data, uint32_t count, int level = 9) {
    uLongf packedSize = compressBound(data.size());
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(data.data()),
              data.size(), level);
    packed.resize(packedSize);
    return std::string("Scheme file 1.0\0", 16) + I32(count) + I32(static_cast<int64_t>(data.size())) + packed;
}

struct Rec {
    std::string name, type, data;
};
std::string RecordBytes(const Rec& r) {
    return T32(r.name) + T32(r.type) + I32(static_cast<int64_t>(r.data.size())) + r.data;
}
std::string FileOf(const std::vector<Rec>& records) {
    std::string data;
    for (const Rec& r : records) data += RecordBytes(r);
    return RawFile(data, static_cast<uint32_t>(records.size()));
}

// The TextError's text, or "done".
template <typename Call>
std::string Outcome(Call call) {
    try {
        call();
        return "done";
    } catch (const TextError& error) {
        return error.Text();
    }
}
std::string LoadMessage(std::string_view file) {
    return Outcome([file] { SchemeFromBytes(file); });
}

std::unique_ptr<CSchemeImage> Picture(const std::string& name, int width, int height) {
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(width, height);
    for (size_t i = 0; i < image->Image().Pixels().size(); ++i) image->Image().Pixels()[i] = static_cast<uint8_t>(i * 37);
    image->Rect() = {{1, 2, 3, 4, 5, 6}, {-7, 256, 0, -8, 0, 256}};
    return image;
}

// Every kind of item, each fixed part changed from its default; the hot
// spot comes last, as the editor makes it.
CScheme FullScheme() {
    CScheme scheme;
    int backdrop = scheme.AddItem(Picture("backdrop", 3, 2));
    int longName = scheme.AddItem(Picture(kName32, 1, 4));
    auto fade = std::make_unique<CSchemeFadebox>("fade");
    fade->SetOpacity(200);
    fade->SetColour(RgbColour(1, 2, 3));
    int fadeAt = scheme.AddItem(std::move(fade));
    auto font = std::make_unique<CSchemeFont>("Heading");
    font->SetFace("Courier New");
    font->SetSize(22);
    font->SetSmoothing(true);
    font->SetFallback(3);
    scheme.AddItem(std::move(font));
    int click = scheme.AddItem(std::make_unique<CSchemeSound>("click.wav", std::string("RIFF\0\x01\x02", 7)));
    int url = scheme.AddItem(std::make_unique<CSchemeURL>("home", "http://example.org/"));
    scheme.AddItem(std::make_unique<CSchemeCommand>("hello", "/say hello"));
    auto spot = std::make_unique<CSchemeHotspot>("spot");
    spot->Rect() = FixedRect(10, 10, 50, 30);
    spot->SetImageRef(HotspotLook::Normal, backdrop);
    spot->SetImageRef(HotspotLook::MouseOver, longName);
    spot->SetSoundRef(1, click);
    spot->SetActionRef(url);
    int spotAt = scheme.AddItem(std::move(spot));
    for (int position : {backdrop, fadeAt, spotAt}) scheme.AppendToDrawOrder(position);
    CScheme::ColourMap colours = scheme.Colours();
    colours[3] = RgbColour(9, 8, 7);
    scheme.SetColours(colours);
    scheme.SetMargins({{{4, 0, 0, 5, 0, 0}, {-4, 256, 0, -5, 0, 256}}, 6, 40});
    scheme.TextFont().SetFace("Verdana");
    scheme.TextFont().SetSize(13);
    scheme.SetUsage({{"#a", "#b*"}, {}, {"CControlBarWnd"}, {"*.example.org"}});
    scheme.SetBackground(RgbColour(10, 20, 30));
    return scheme;
}

class SchemeFileTest : public testing::Test {
protected:
    void SetUp() override {
        SetInternalErrorSink([this](const MessageBoxRequest&) { ++reports; });
    }
    void TearDown() override { SetInternalErrorSink(nullptr); }
    int reports = 0;
};

TEST_F(SchemeFileTest, EveryKindOfItemRoundTrips) {
    const CScheme original = FullScheme();
    const std::string first = SchemeFileBytes(original);
    const CScheme read = SchemeFromBytes(first);
    const std::string second = SchemeFileBytes(read);

    SchemeFileReader a = SchemeFileReader::FromBytes(first), b = SchemeFileReader::FromBytes(second);
    ASSERT_EQ(a.RecordCount(), original.ItemCount() + 9);
    ASSERT_EQ(b.RecordCount(), a.RecordCount());
    for (int i = 0; i < a.RecordCount(); ++i) {
        EXPECT_EQ(a.Record(i).name, b.Record(i).name);
        EXPECT_EQ(a.Record(i).type, b.Record(i).type);
        EXPECT_EQ(a.Data(i), b.Data(i)) << a.Record(i).name;
    }

    ASSERT_EQ(read.ItemCount(), original.ItemCount());
    for (int i = 0; i < read.ItemCount(); ++i) EXPECT_EQ(read.Item(i)->Name(), original.Item(i)->Name());
    EXPECT_EQ(read.Item(1)->Name(), kName32);
    const auto* image = read.ItemOfKind<CSchemeImage>(0);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Image().Pixels(), original.ItemOfKind<CSchemeImage>(0)->Image().Pixels());
    EXPECT_EQ(image->Rect(), original.ItemOfKind<CSchemeImage>(0)->Rect());
    EXPECT_EQ(read.ItemOfKind<CSchemeFadebox>(2)->Opacity(), 200);
    EXPECT_EQ(read.ItemOfKind<CSchemeFont>(3)->Face(), "Courier New");
    EXPECT_TRUE(read.ItemOfKind<CSchemeFont>(3)->Smoothing());
    EXPECT_EQ(read.ItemOfKind<CSchemeSound>(4)->Wave(), std::string("RIFF\0\x01\x02", 7));
    EXPECT_EQ(read.ItemOfKind<CSchemeCommand>(6)->Text(), "/say hello");
    const auto* spot = read.ItemOfKind<CSchemeHotspot>(7);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->ImageRef(HotspotLook::Normal), 0);
    EXPECT_EQ(spot->ImageRef(HotspotLook::MouseOver), 1);
    EXPECT_EQ(spot->ImageRef(HotspotLook::Pressed), -1);
    EXPECT_EQ(spot->SoundRef(0), -1);
    EXPECT_EQ(spot->SoundRef(1), 4);
    EXPECT_EQ(spot->ActionRef(), 5);
    EXPECT_EQ(read.DrawOrder(), original.DrawOrder());
    EXPECT_EQ(read.Colours(), original.Colours());
    EXPECT_EQ(read.Margins(), original.Margins());
    EXPECT_EQ(read.TextFont().Face(), "Verdana");
    EXPECT_EQ(read.TextFont().Size(), 13);
    EXPECT_EQ(read.Usage(), original.Usage());
    EXPECT_EQ(read.Background(), original.Background());
    EXPECT_EQ(reports, 0);
}

TEST_F(SchemeFileTest, RecordsAreWrittenInTheirOrderWithTheirLayout) {
    const SchemeFileReader file = SchemeFileReader::FromBytes(SchemeFileBytes(FullScheme()));
    std::vector<std::string> heads;
    for (int i = 0; i < file.RecordCount(); ++i) heads.push_back(file.Record(i).type + " " + file.Record(i).name);
    const std::vector<std::string> expected = {
        "NUMBER MinVersion", "NUMBER ThisVersion", "STRING CreatorSoftware", "IMAGE backdrop",
        "IMAGE " + kName32, "FADEBOX fade", "FONT Heading", "SOUND click.wav", "URL home", "COMMAND hello",
        "HOTSPOT spot", "COLOURMAP ColourMap", "DRAWORDER DrawOrder", "USAGE Usage", "MARGINS Text", "FONT Text",
        "COLOUR Background"};
    EXPECT_EQ(heads, expected);
    EXPECT_EQ(file.Data(2), std::string("quornwright Parlevox 1.5\0", 25));
    EXPECT_EQ(file.Data(3).substr(0, 8 + 24), I32(3) + I32(2) + I32(1) + I32(2) + I32(3) + I32(4) + I32(5) + I32(6));
    EXPECT_EQ(file.Data(3).size(), 56u + 4 * 3 * 2);
    EXPECT_EQ(file.Data(8), std::string("http://example.org/\0", 20));
    // Hot spot: rectangle, then normal, mouse-over, mouse-down image names.
    EXPECT_EQ(file.Data(10).substr(48, 96), T32("backdrop") + kName32 + T32("!no hotspot graphic"));
    EXPECT_EQ(file.Data(10).substr(240), T32("home"));
    EXPECT_EQ(file.Data(12), I32(3) + T32("backdrop") + T32("fade") + T32("spot"));
    EXPECT_EQ(file.Data(13).substr(0, 11), I32(2) + std::string("#a\0#b*\0", 7));
}

TEST_F(SchemeFileTest, NoItemSchemeHasNineRecordsAndKeepsItsParts) {
    CScheme scheme = FullScheme();
    while (scheme.ItemCount() > 0) {
        while (!scheme.DrawOrder().empty()) scheme.RemoveDrawOrderEntry(0);
        scheme.RemoveItem(0);
    }
    const std::string bytes = SchemeFileBytes(scheme);
    EXPECT_EQ(SchemeFileReader::FromBytes(bytes).RecordCount(), 9);
    const CScheme read = SchemeFromBytes(bytes);
    EXPECT_EQ(read.Colours(), scheme.Colours());
    EXPECT_EQ(read.Margins(), scheme.Margins());
    EXPECT_EQ(read.TextFont().Face(), "Verdana");
    EXPECT_EQ(read.Usage(), scheme.Usage());
    EXPECT_EQ(read.Background(), scheme.Background());
}

TEST_F(SchemeFileTest, FilesThatLoadOrFailWithTheirMessage) {
    const std::string valid = SchemeFileBytes(FullScheme());
    auto patched = [&](size_t at, uint32_t value) {
        std::string file = valid;
        file.replace(at, 4, I32(value));
        return file;
    };
    const uint32_t dataSize = static_cast<uint8_t>(valid[20]) | static_cast<uint8_t>(valid[21]) << 8 |
                              static_cast<uint8_t>(valid[22]) << 16 | static_cast<uint32_t>(valid[23]) << 24;
    const std::string image = RecordBytes({"i", "IMAGE", I32(1) + I32(1) + Rect(0) + "abcd"});
    std::string hugeImages;
    for (int i = 0; i < 128; ++i) hugeImages += RecordBytes({"big", "IMAGE", I32(4096) + I32(4096) + Rect(0)});
    std::vector<Rec> tooMany(129, {"i", "IMAGE", I32(0) + I32(0) + Rect(0)});
    std::vector<Rec> justEnough(128, {"i", "IMAGE", I32(0) + I32(0) + Rect(0)});
    // Would load but for the cap on the declared size (a byte of noise now
    // and then keeps the stream well within what deflate can expand to).
    std::string noisy(SchemeFileReader::kMaxDataSize + 1 - 68, '\0');
    for (size_t i = 0; i < noisy.size(); i += 251) noisy[i] = static_cast<char>(i * 7);
    const std::string aboveCap = RawFile(RecordBytes({"s", "SOUND", noisy}), 1, 1);
    std::vector<Rec> longDrawOrder = {{"DrawOrder", "DRAWORDER", I32(129) + std::string(129 * 32, 'x')}};

    struct Case {
        const char* description;
        std::string file;
        std::string expected;
    } cases[] = {
        {"body not a zlib stream", std::string("Scheme file 1.0\0", 16) + I32(1) + I32(100) + "plain text", texts::kSchemeInflateFailed},
        {"declared size larger", patched(20, dataSize + 1), texts::kSchemeFileCorrupt},
        {"declared size smaller", patched(20, dataSize - 1), texts::kSchemeFileCorrupt},
        {"other header text", "Scheme file 2.0" + valid.substr(15), texts::kNotASchemeFile},
        {"shorter than the header text", valid.substr(0, 15), texts::kSchemeFileCorrupt},
        {"count 2^31", patched(16, 1u << 31), texts::kSchemeFileCorrupt},
        {"size 4 GiB", patched(20, 0xFFFFFFFFu), texts::kSchemeFileCorrupt},
        {"real data one byte above the cap", aboveCap, texts::kSchemeFileCorrupt},
        {"one record more than there is", patched(16, 18), texts::kSchemeFileCorrupt},
        {"one record fewer than there is", patched(16, 16), texts::kSchemeFileCorrupt},
        {"record length past the data", RawFile(image.substr(0, 64) + I32(0xFFFFFFF0) + image.substr(68), 1), texts::kSchemeFileCorrupt},
        {"128 images of 4096x4096 without their pixels", RawFile(hugeImages, 128), texts::kSchemeFileCorrupt},
        {"MinVersion 2", FileOf({{"MinVersion", "NUMBER", I32(2)}}), texts::kSchemeLaterVersion},
        {"MinVersion 1", FileOf({{"MinVersion", "NUMBER", I32(1)}}), "done"},
        {"unknown record type", FileOf({{"x", "GRADIENT", "\x01\x02"}, {"i", "IMAGE", I32(0) + I32(0) + Rect(0)}}), "done"},
        {"record longer than its type needs", FileOf({{"f", "FADEBOX", Rect(0) + I32(5) + I32(6) + "extra"}}), "done"},
        {"128 items", FileOf(justEnough), "done"},
        {"129 items", FileOf(tooMany), texts::kSchemeTooManyItems},
        {"129 draw-order entries", FileOf(longDrawOrder), texts::kSchemeFileCorrupt},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadMessage(c.file), c.expected) << c.description;
}

TEST_F(SchemeFileTest, RecordsShorterThanTheirTypeAreReportedAndRefused) {
    const std::string head = I32(2) + I32(2) + Rect(0);
    const Rec cases[] = {
        {"i", "IMAGE", head.substr(0, 55)},
        {"i", "IMAGE", head + std::string(15, 'p')},
        {"i", "IMAGE", I32(-1) + I32(1) + Rect(0) + "pppp"},
        {"i", "TEXT", head.substr(0, 55)},
        {"f", "FADEBOX", std::string(55, 'f')},
        {"Heading", "FONT", std::string(43, 'f')},
        {"Text", "FONT", std::string(43, 'f')},
        {"h", "HOTSPOT", std::string(271, 'h')},
        {"ColourMap", "COLOURMAP", std::string(63, 'c')},
        {"MinVersion", "NUMBER", "abc"},
        {"Background", "COLOUR", "abc"},
        {"Text", "MARGINS", std::string(55, 'm')},
        {"DrawOrder", "DRAWORDER", I32(2) + T32("a")},
        {"Usage", "USAGE", I32(1) + "word"},
        {"Usage", "USAGE", I32(0) + I32(0) + I32(0)},
        {"u", "URL", "http://no.terminator/"},
        {"c", "COMMAND", ""},
    };
    for (const Rec& c : cases) {
        reports = 0;
        EXPECT_EQ(LoadMessage(FileOf({c})), texts::kSchemeFileCorrupt) << c.type << " " << c.data.size();
        EXPECT_EQ(reports, 1) << c.type << " " << c.data.size();
    }
}

TEST_F(SchemeFileTest, ReferencesByNameResolveOrAreLeftOut) {
    const std::string none = T32("!no hotspot graphic") + T32("!no hotspot graphic") + T32("!no hotspot graphic") +
                             T32("!no hotspot sound") + T32("!no hotspot sound") + T32("!no hotspot sound");
    const CScheme scheme = SchemeFromBytes(FileOf({
        {"DrawOrder", "DRAWORDER", I32(4) + T32("b") + T32("ghost") + T32("a") + T32("spot")},
        {"spot", "HOTSPOT", Rect(0) + T32("a") + T32("missing") + T32("b") + none.substr(96) + T32("!no hotspot action")},
        {"a", "IMAGE", I32(0) + I32(0) + Rect(0)},
        {"b", "TEXT", I32(0) + I32(0) + Rect(0)},
        {"!no hotspot action", "URL", std::string("http://x/\0", 10)},
    }));
    // Pass 1 makes a and the URL; in pass 2 the hot spot's record comes
    // before the TEXT image b, so b is not made yet when it is looked up.
    ASSERT_EQ(scheme.ItemCount(), 4);
    EXPECT_EQ(scheme.Find("spot"), 2);
    const auto* spot = scheme.ItemOfKind<CSchemeHotspot>(2);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->ImageRef(HotspotLook::Normal), scheme.Find("a"));
    EXPECT_EQ(spot->ImageRef(HotspotLook::MouseOver), -1);
    EXPECT_EQ(spot->ImageRef(HotspotLook::Pressed), -1);
    EXPECT_EQ(spot->ActionRef(), -1);  // even though an item has that name
    EXPECT_EQ(scheme.DrawOrder(), (std::vector<int>{scheme.Find("b"), scheme.Find("a"), scheme.Find("spot")}));
}

TEST_F(SchemeFileTest, EveryTruncationFailsWithTheSystemsMessage) {
    CScheme scheme;
    scheme.AppendToDrawOrder(scheme.AddItem(Picture("p", 2, 2)));
    scheme.AddItem(std::make_unique<CSchemeURL>("u", "http://a/"));
    const std::string file = SchemeFileBytes(scheme);
    const std::set<std::string> messages = {texts::kSchemeFileCorrupt, texts::kNotASchemeFile,
                                            texts::kSchemeInflateFailed};
    for (size_t length = 0; length < file.size(); ++length) {
        const std::string message = LoadMessage(file.substr(0, length));
        EXPECT_TRUE(messages.count(message)) << length << ": " << message;
    }
}

TEST_F(SchemeFileTest, FilesOnDisk) {
    test::TempDir dir;
    const std::string path = dir.File("look.ParlevoxScheme");
    WriteSchemeFile(path, FullScheme());
    EXPECT_EQ(ReadSchemeFile(path).Background(), FullScheme().Background());
    const std::string old = test::ReadWholeFile(path);

    auto writeMessage = [](const std::string& target) { return Outcome([&] { WriteSchemeFile(target, CScheme()); }); };
    ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0700), 0);  // the temporary file cannot be made
    EXPECT_EQ(writeMessage(path), texts::kSchemeCreateFailed);
    EXPECT_EQ(test::ReadWholeFile(path), old);
    ASSERT_EQ(mkdir(dir.File("folder").c_str(), 0700), 0);
    EXPECT_EQ(writeMessage(dir.File("folder")), texts::kSchemeCreateFailed);
    EXPECT_EQ(writeMessage(path + "/inside"), texts::kSchemeCreateFailed);  // the folder is a file
    EXPECT_EQ(test::ReadWholeFile(path), old);

    for (const std::string& unreadable : {dir.File("missing"), dir.File("folder")}) {
        EXPECT_EQ(Outcome([&] { ReadSchemeFile(unreadable); }), texts::kSchemeLoadError) << unreadable;
        EXPECT_EQ(Outcome([&] { LoadSchemeSound(unreadable); }), texts::kSchemeWaveLoadError) << unreadable;
    }
    test::WriteWholeFile(dir.File("ding.wav"), std::string("RIFF\0wave", 9));
    const CSchemeSound sound = LoadSchemeSound(dir.File("ding.wav"));
    EXPECT_EQ(sound.Name(), "ding.wav");
    EXPECT_EQ(sound.Wave(), std::string("RIFF\0wave", 9));
}

}  // namespace
}  // namespace parlevox
