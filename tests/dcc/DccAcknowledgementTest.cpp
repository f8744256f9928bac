#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "dcc/DCCWnd.h"
#include "dcc/DccAcknowledgement.h"

namespace parlevox {
namespace {

constexpr uint64_t k4G = 1ull << 32;

TEST(DccAcknowledgementTest, AcknowledgementsMoveOnlyWithinWhatWasSent) {
    struct Case {
        const char* name;
        uint32_t wire;
        DccSendProgress progress;  // start, sent, acknowledged
        std::optional<uint64_t> total;
    } cases[] = {
        {"everything", 1000, {0, 1000, 0}, 1000},
        {"part", 600, {0, 1000, 500}, 600},
        {"the same again", 500, {0, 1000, 500}, 500},
        {"backwards", 400, {0, 1000, 500}, std::nullopt},
        {"beyond what was sent", 1001, {0, 1000, 500}, std::nullopt},
        {"beyond, near the 32-bit end", 0xFFFFFFFF, {0, 1000, 0}, std::nullopt},
        {"past 4 GiB", 100, {0, k4G + 100, k4G}, k4G + 100},
        {"just below 4 GiB", 0xFFFFFF00, {0, k4G + 100, k4G - 4096}, k4G - 256},
        {"past 4 GiB, backwards", 50, {0, k4G + 100, k4G + 60}, std::nullopt},
        {"past 8 GiB, beyond", 200, {0, 2 * k4G + 100, 2 * k4G}, std::nullopt},
        {"absolute after a resume", 900, {500, 1000, 500}, 900},
        {"counted from the resume point", 500, {500, 1000, 500}, 1000},
        {"counted from the resume point, part", 200, {500, 1000, 600}, 700},
        {"counted from the resume point, backwards", 50, {500, 1000, 600}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveDccAck(c.wire, c.progress), c.total) << c.name;
}

TEST(DccAcknowledgementTest, PiecesAreJoinedInOrder) {
    struct Case {
        std::vector<std::vector<uint8_t>> pieces;
        std::vector<uint32_t> values;
    } cases[] = {
        {{{0, 0}, {3, 0xE8}}, {1000}},
        {{{0}, {0}, {0}, {1}, {0, 0, 0}}, {1}},
        {{{0, 0, 0, 1, 0, 0, 0, 2, 0xFF}, {0xFF, 0xFF, 0xFF}}, {1, 2, 0xFFFFFFFF}},
    };
    for (const Case& c : cases) {
        DccAckAssembler assembler;
        std::vector<uint32_t> values;
        for (const auto& piece : c.pieces)
            assembler.Feed(piece.data(), piece.size(), [&](uint32_t v) {
                values.push_back(v);
                return true;
            });
        EXPECT_EQ(values, c.values);
    }
}

TEST(DccAcknowledgementTest, SizesPrintInKbBelowHalfAMegabyte) {
    struct Case {
        uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0.0 Kb"},         {1023, "0.9 Kb"},        {1024, "1.0 Kb"},
        {524287, "511.9 Kb"},  {524288, "0.50 Mb"},     {1048575, "0.99 Mb"},
        {1048576, "1.00 Mb"},  {10'485'760, "10.00 Mb"}, {5ull << 30, "5120.00 Mb"},
    };
    for (const Case& c : cases) EXPECT_EQ(DccSizeText(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace parlevox
