#include "platform/Resources.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "common/ByteReader.h"

namespace parlevox {
namespace {

TEST(ResourcesTest, FoundByNameAndTypeWithoutCase) {
    struct Case {
        const char* name;
        const char* type;
        bool found;
    } cases[] = {
        {"TITLESCREEN", "BrimBitmap", true}, {"TitleScreen", "brimbitmap", true}, {"Screen", "BrimBitmap", true},
        {"#5123", "WAVE", true},            {"#5130", "wave", true},             {"TITLESCREEN", "WAVE", false},
        {"#5131", "WAVE", false},            {"5123", "WAVE", false},             {"", "BrimBitmap", false},
        {"GlobalPalette", "BrimPalette", false},
    };
    for (const auto& c : cases) EXPECT_EQ(Resources::Find(c.name, c.type).has_value(), c.found) << c.name;
    EXPECT_EQ(Resources::Find(5125, "WAVE")->data(), Resources::Find("#5125", "WAVE")->data());
}

// Each built-in sound is a short 16-bit PCM wave that is neither silent nor
// clipped and starts and ends quietly (no click).
TEST(ResourcesTest, BuiltInSoundsAreShortCleanWaves) {
    for (int id = 5123; id <= 5130; ++id) {
        std::optional<std::string_view> file = Resources::Find(id, "WAVE");
        ASSERT_TRUE(file) << id;
        ByteReader reader(*file, "short");
        ASSERT_EQ(reader.ReadBytes(4), "RIFF") << id;
        EXPECT_EQ(reader.ReadU32(), file->size() - 8) << id;
        ASSERT_EQ(reader.ReadBytes(8), "WAVEfmt ") << id;
        ASSERT_EQ(reader.ReadU32(), 16u) << id;
        EXPECT_EQ(reader.ReadU16(), 1) << id << ": PCM";
        EXPECT_EQ(reader.ReadU16(), 1) << id << ": mono";
        uint32_t rate = reader.ReadU32();
        reader.Skip(6);
        EXPECT_EQ(reader.ReadU16(), 16) << id;
        ASSERT_EQ(reader.ReadBytes(4), "data") << id;
        uint32_t size = reader.ReadU32();
        ASSERT_EQ(size, reader.Remaining()) << id;

        size_t samples = size / 2;
        double seconds = static_cast<double>(samples) / rate;
        EXPECT_GT(seconds, 0.02) << id;
        EXPECT_LT(seconds, 1.5) << id;
        int peak = 0;
        std::vector<int> values;
        for (size_t i = 0; i < samples; ++i) values.push_back(static_cast<int16_t>(reader.ReadU16()));
        for (int v : values) peak = std::max(peak, std::abs(v));
        EXPECT_GT(peak, 6000) << id << ": audible";
        EXPECT_LT(peak, 32000) << id << ": not clipped";
        EXPECT_LT(std::abs(values.front()), 500) << id;
        EXPECT_LT(std::abs(values.back()), 500) << id;
    }
}

}  // namespace
}  // namespace parlevox
