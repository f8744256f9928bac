// The category file: a sample read whole, damaged copies read as far as
// they go with the file's own messages, and no damage that crashes.
#include "settings/MajorChannels.h"

#include <gtest/gtest.h>

#include "common/InternalErrorReport.h"

namespace parlevox {
namespace {

namespace text = majorchannels_text;

std::string IconRecord(const std::string& name, uint8_t red) {
    std::string record = name + std::string(MajorChannels::kIconNameField - name.size(), '\\');
    for (size_t i = 0; i < MajorChannels::kIconBytes; i += 3) record += {char(red), char(2), char(3)};
    return record;
}

const std::string kEndOfIcons(MajorChannels::kIconNameField, '\\');

std::string Sample() {
    return IconRecord("help", 200) + IconRecord("chat", 100) + kEndOfIcons +
           "{MAIN\\help\\\r\n{Help\\help\\{#help\\help\\Ask here}{#beginners\\help\\New to IRC}}x{#chat\\chat\\Talk}}";
}

size_t CountEntries(const ChannelCategory& node) {
    size_t count = node.name.empty() ? 0 : 1;
    for (const ChannelCategory& child : node.children) count += CountEntries(child);
    return count;
}

class MajorChannelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetInternalErrorSink([this](const MessageBoxRequest&) { ++reports; });
    }
    void TearDown() override { SetInternalErrorSink(nullptr); }
    int reports = 0;
};

TEST_F(MajorChannelsTest, TheSampleReadsWholeWithItsPixelsTurnedForDisplay) {
    MajorChannels channels = MajorChannels::Parse(Sample());
    ASSERT_FALSE(channels.Problem()) << *channels.Problem();
    ASSERT_EQ(channels.Icons().size(), 2u);
    EXPECT_EQ(channels.Icons()[1].name, "chat");
    EXPECT_EQ(channels.Icons()[1].image.PixelColour(47, 47), BgrColour(3, 2, 100));
    const ChannelCategory& root = channels.Root();
    EXPECT_EQ(root.name, "MAIN");
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].children[1].description, "New to IRC");
    EXPECT_TRUE(root.children[1].IsChannel());
    EXPECT_EQ(root.children[1].iconName, "chat");

    EXPECT_EQ(channels.Icon("chat"), &channels.Icons()[1].image);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(channels.Icon("missing"), &channels.Icons()[0].image);
    EXPECT_EQ(reports, 1);
}

TEST_F(MajorChannelsTest, DamageKeepsWhatCameBeforeItAndSaysWhy) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* problem;
        size_t entries;
    };
    const std::string deep = [] {
        std::string tree;
        for (int i = 0; i < 10000; ++i) tree += "{c\\i\\";
        return tree;
    }();
    const std::vector<Case> cases = {
        {"no file body", "", text::kIconsCorrupt, 0},
        {"a short icon", IconRecord("a", 1).substr(0, 500), text::kIconsCorrupt, 0},
        {"tree not opened", kEndOfIcons + "MAIN", text::kTreeCorrupt, 0},
        {"only the end of the icons", kEndOfIcons, text::kReadError, 0},
        {"a 256-byte name", kEndOfIcons + "{" + std::string(256, 'n') + "\\i\\}", text::kEntryTooLong, 0},
        {"a 255-byte name", kEndOfIcons + "{" + std::string(255, 'n') + "\\i\\}", nullptr, 1},
        {"ten thousand levels", kEndOfIcons + deep, text::kTreeCorrupt, MajorChannels::kMaxDepth + 1},
        {"a channel left open", kEndOfIcons + "{MAIN\\i\\{#a\\i\\one}{#b\\i\\two", text::kReadError, 2},
    };
    for (const Case& c : cases) {
        MajorChannels channels = MajorChannels::Parse(c.bytes);
        EXPECT_EQ(channels.Problem().value_or(""), c.problem ? c.problem : "") << c.what;
        EXPECT_EQ(CountEntries(channels.Root()), c.entries) << c.what;
    }
}

TEST_F(MajorChannelsTest, TruncatedAtEveryOffsetNeverReadsMoreThanTheWhole) {
    const std::string sample = Sample();
    const size_t whole = CountEntries(MajorChannels::Parse(sample).Root());
    size_t previous = 0;
    for (size_t length = 0; length < sample.size(); ++length) {
        MajorChannels channels = MajorChannels::Parse(std::string_view(sample).substr(0, length));
        ASSERT_TRUE(channels.Problem()) << length;
        const size_t entries = CountEntries(channels.Root());
        ASSERT_LE(entries, whole) << length;
        ASSERT_GE(entries, previous) << "a longer prefix lost entries at " << length;
        previous = entries;
    }
}

TEST_F(MajorChannelsTest, TheBuiltFileReadsWholeWithAnIconForEveryEntry) {
    MajorChannels channels = MajorChannels::Read(PARLEVOX_MAJOR_CHANNELS_FILE);
    ASSERT_FALSE(channels.Problem()) << *channels.Problem();
    EXPECT_EQ(channels.Root().name, "MAIN");
    EXPECT_GE(CountEntries(channels.Root()), 40u);
    std::vector<const ChannelCategory*> open {&channels.Root()};
    while (!open.empty()) {
        const ChannelCategory* node = open.back();
        open.pop_back();
        channels.Icon(node->iconName);
        EXPECT_EQ(node->IsChannel(), !node->description.empty()) << node->name;
        for (const ChannelCategory& child : node->children) open.push_back(&child);
    }
    EXPECT_EQ(reports, 0) << "an entry names an icon the table lacks";
}

}  // namespace
}  // namespace parlevox
