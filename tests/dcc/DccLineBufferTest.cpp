#include "dcc/DccLineBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parlevox::test {
namespace {

using Lines = std::vector<std::string>;

Lines TakeLines(DccLineBuffer& buffer) {
    Lines lines;
    std::string_view line;
    while (buffer.NextLine(line)) lines.emplace_back(line);
    return lines;
}

TEST(DccLineBufferTest, ReadsSplitIntoLinesAtCrLfAndCrLf) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::vector<std::string> reads;
        std::vector<Lines> shown;  // after each read
    } cases[] = {
        {"one read, two lines", {"hi\r\nthere\n"}, {{"hi", "there"}}},
        {"the line end comes later", {"hi", "\n"}, {{}, {"hi"}}},
        {"CR LF split across reads", {"hi\r", "\nthere\r\n"}, {{"hi"}, {"there"}}},
        {"each end alone", {"a\rb\nc\r\nd"}, {{"a", "b", "c"}}},
        {"CRs are empty lines", {"\r\r"}, {{"", ""}}},
        {"a lone LF is the rest of a CR LF", {"\n", "\n"}, {{}, {}}},
        {"LFs only: every second one ends an empty line", {"\n\n\n\n\n"}, {{"", ""}}},
        {"zero bytes are data", {"a\0b\n"s}, {{"a\0b"s}}},
    };
    for (const auto& c : cases) {
        DccLineBuffer buffer;
        for (size_t i = 0; i < c.reads.size(); ++i) {
            ASSERT_EQ(buffer.Append(c.reads[i]), c.reads[i].size()) << c.name;
            EXPECT_EQ(TakeLines(buffer), c.shown[i]) << c.name << ", read " << i;
            EXPECT_FALSE(buffer.Full()) << c.name;
        }
    }
}

TEST(DccLineBufferTest, FullOnlyWhenTheWholeBufferHoldsNoLineEnd) {
    const struct {
        std::string data;
        bool full;
        size_t lines;
    } cases[] = {
        {std::string(DccLineBuffer::kSize, 'x'), true, 0},
        {std::string(DccLineBuffer::kSize - 1, 'x') + "\r", false, 1},
        {"\n" + std::string(DccLineBuffer::kSize - 1, 'x'), false, 0},  // the LF went, so there is room
        {std::string(100, 'x') + "\n" + std::string(DccLineBuffer::kSize - 101, 'y'), false, 1},
    };
    for (const auto& c : cases) {
        DccLineBuffer buffer;
        // More than fits is offered: only the buffer's size is taken.
        EXPECT_EQ(buffer.Append(c.data + std::string(5000, 'z')), DccLineBuffer::kSize);
        EXPECT_EQ(TakeLines(buffer).size(), c.lines);
        EXPECT_EQ(buffer.Full(), c.full) << c.data.substr(0, 120);
        if (!c.full) {
            EXPECT_EQ(buffer.FreeSpace().size(), DccLineBuffer::kSize - buffer.Pending().size());
        }
    }
}

}  // namespace
}  // namespace parlevox::test
