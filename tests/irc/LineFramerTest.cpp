#include "irc/LineFramer.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

struct RecordingSink : LineFramer::Sink {
    void OnLine(std::string_view line) override { lines.emplace_back(line); }
    void OnOverlongLine() override { ++overlong; }

    std::vector<std::string> lines;
    int overlong = 0;
};

// Writes the bytes the way the socket does: never more than the free space
// per read.
void Feed(LineFramer& framer, LineFramer::Sink& sink, std::string_view bytes) {
    while (!bytes.empty()) {
        size_t n = std::min(bytes.size(), framer.FreeSize());
        ASSERT_GT(n, 0u);
        std::memcpy(framer.FreeSpace(), bytes.data(), n);
        framer.Commit(n, sink);
        bytes.remove_prefix(n);
    }
}

struct FramingCase {
    const char* description;
    friend void PrintTo(const FramingCase& c, std::ostream* os) { *os << c.description; }
    std::string stream;
    std::vector<std::string> lines;
    size_t heldAfter;
};

const FramingCase kFramingCases[] = {
    {"CRLF lines", ":a PRIVMSG #x :hi\r\n:b JOIN :#y\r\n", {":a PRIVMSG #x :hi", ":b JOIN :#y"}, 0},
    {"lone LF ends a line", "one\ntwo\r\nthree\n", {"one", "two", "three"}, 0},
    {"lone CR stays in the line", "a\rb\r\n", {"a\rb"}, 0},
    {"CR CR LF keeps one CR", "x\r\r\n", {"x\r"}, 0},
    {"empty lines are lines", "\r\n\n", {"", ""}, 0},
    {"unfinished line is held", "abc\r\nde", {"abc"}, 2},
    {"trailing CR is held until its LF", "abc\r", {}, 4},
    {"NUL bytes are removed", "a\0b\0\r\nc\r\n"s, {"ab", "c"}, 0},
    {"only NULs", "\0\0\n"s, {""}, 0},
    {"bytes 128-255 pass unchanged", "\x80\xe9\xff caf\xe9\r\n", {"\x80\xe9\xff caf\xe9"}, 0},
};

class FramingTest : public testing::TestWithParam<FramingCase> {
protected:
    test::ScriptedUserInterface ui;
};

TEST_P(FramingTest, OneRead) {
    const FramingCase& c = GetParam();
    LineFramer framer;
    RecordingSink sink;
    Feed(framer, sink, c.stream);
    EXPECT_EQ(sink.lines, c.lines);
    EXPECT_EQ(framer.Held(), c.heldAfter);
    EXPECT_EQ(sink.overlong, 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_P(FramingTest, EverySplitPointGivesTheSameLines) {
    const FramingCase& c = GetParam();
    for (size_t split = 0; split <= c.stream.size(); ++split) {
        LineFramer framer;
        RecordingSink sink;
        Feed(framer, sink, std::string_view(c.stream).substr(0, split));
        Feed(framer, sink, std::string_view(c.stream).substr(split));
        EXPECT_EQ(sink.lines, c.lines) << "split at " << split;
        EXPECT_EQ(framer.Held(), c.heldAfter) << "split at " << split;
    }
}

TEST_P(FramingTest, ByteByByte) {
    const FramingCase& c = GetParam();
    LineFramer framer;
    RecordingSink sink;
    for (char byte : c.stream) Feed(framer, sink, std::string_view(&byte, 1));
    EXPECT_EQ(sink.lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(LineFramer, FramingTest, testing::ValuesIn(kFramingCases));

TEST(LineFramerTest, CrAtEndOfOneReadAndLfAtStartOfNextAreOneTerminator) {
    LineFramer framer;
    RecordingSink sink;
    Feed(framer, sink, ":a PRIVMSG #x :one\r");
    EXPECT_TRUE(sink.lines.empty());
    Feed(framer, sink, "\n:a PRIVMSG #x :two\r\n");
    EXPECT_EQ(sink.lines, (std::vector<std::string>{":a PRIVMSG #x :one", ":a PRIVMSG #x :two"}));
}

struct BoundaryCase {
    const char* description;
    friend void PrintTo(const BoundaryCase& c, std::ostream* os) { *os << c.description; }
    std::string stream;
    std::vector<std::string> lines;
    int overlong;
};

const std::string kFullCrLf = std::string(LineFramer::kCapacity - 2, 'x');
const std::string kFullLf = std::string(LineFramer::kCapacity - 1, 'y');
const std::string kTooLong = std::string(LineFramer::kCapacity - 1, 'z');

const BoundaryCase kBoundaryCases[] = {
    {"line and CRLF fill the buffer exactly", kFullCrLf + "\r\nok\r\n", {kFullCrLf, "ok"}, 0},
    {"line and LF fill the buffer exactly", kFullLf + "\nok\n", {kFullLf, "ok"}, 0},
    {"one byte too long for CRLF: the CR fills the buffer", kTooLong + "\r\nok\r\n", {"ok"}, 1},
    {"far past the buffer", std::string(3 * LineFramer::kCapacity, 'q') + "\r\nok\r\n", {"ok"}, 1},
    {"two overlong lines are reported apart",
     std::string(LineFramer::kCapacity, 'a') + "\n" + std::string(LineFramer::kCapacity, 'b') + "\nok\n", {"ok"}, 2},
    {"lines before and after an overlong one survive",
     "first\r\n" + std::string(LineFramer::kCapacity + 10, 'c') + "\r\nlast\r\n", {"first", "last"}, 1},
    {"a full line after a short one needs the buffer compacted", "s\r\n" + kFullCrLf + "\r\n", {"s", kFullCrLf}, 0},
};

class FramingBoundaryTest : public testing::TestWithParam<BoundaryCase> {};

TEST_P(FramingBoundaryTest, ReadsOfEverySize) {
    const BoundaryCase& c = GetParam();
    for (size_t chunk : {size_t{1}, size_t{7}, size_t{4096}, size_t{8192}, size_t{100000}}) {
        LineFramer framer;
        RecordingSink sink;
        for (size_t at = 0; at < c.stream.size(); at += chunk) {
            Feed(framer, sink, std::string_view(c.stream).substr(at, chunk));
            ASSERT_GT(framer.FreeSize(), 0u);
        }
        EXPECT_EQ(sink.lines, c.lines) << "reads of " << chunk;
        EXPECT_EQ(sink.overlong, c.overlong) << "reads of " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(LineFramer, FramingBoundaryTest, testing::ValuesIn(kBoundaryCases));

TEST(LineFramerTest, CommitFromInsideTheSinkIsAnInternalError) {
    test::ScriptedUserInterface ui;
    LineFramer framer;
    struct ReenteringSink : RecordingSink {
        LineFramer* framer = nullptr;
        void OnLine(std::string_view line) override {
            RecordingSink::OnLine(line);
            framer->Commit(0, *this);
        }
    } sink;
    sink.framer = &framer;
    Feed(framer, sink, "a\r\nb\r\n");
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST(LineFramerTest, ResetFromInsideTheSinkDropsTheRestOfTheRead) {
    LineFramer framer;
    struct ResettingSink : RecordingSink {
        LineFramer* framer = nullptr;
        void OnLine(std::string_view line) override {
            RecordingSink::OnLine(line);
            if (line == "ERROR") framer->Reset();
        }
    } sink;
    sink.framer = &framer;
    Feed(framer, sink, "a\r\nERROR\r\nlost\r\npart");
    EXPECT_EQ(framer.Held(), 0u);
    Feed(framer, sink, "new\r\n");
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"a", "ERROR", "new"}));
}

TEST(LineFramerTest, ResetForgetsAnOverlongLine) {
    LineFramer framer;
    RecordingSink sink;
    Feed(framer, sink, std::string(LineFramer::kCapacity, 'x'));
    framer.Reset();
    Feed(framer, sink, "fresh\r\n");
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"fresh"}));
    EXPECT_EQ(sink.overlong, 1);
}

TEST(LineFramerTest, ResetFromTheOverlongReportLeavesTheNextReadWhole) {
    LineFramer framer;
    struct ResettingSink : RecordingSink {
        LineFramer* framer = nullptr;
        void OnOverlongLine() override {
            RecordingSink::OnOverlongLine();
            framer->Reset();
        }
    } sink;
    sink.framer = &framer;
    Feed(framer, sink, std::string(LineFramer::kCapacity, 'x'));
    Feed(framer, sink, "a\r\nb\r\n");
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace parlevox
