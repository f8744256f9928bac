#include "common/ParseInteger.h"

#include <climits>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

TEST(ParseIntegerTest, LenientDecimal) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"42", 42},
        {"42 ", 42},  // one trailing space is dropped
        {"42  ", -1},
        {" 42", -1},
        {"-7", -7},
        {"-7 ", -7},
        {"-0", 0},
        {"007", 7},
        {"4-2", -1},
        {"--4", -1},
        {"+4", -1},
        {"4a", -1},
        {"", 0},
        {" ", 0},
        {"  ", -1},
        {"-", 0},
        {"-1", -1},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MIN},  // wraps as 32-bit arithmetic
        {"-2147483648", INT_MIN},
        {"4294967295", -1},
        {"4294967296", 0},
        {"4294967338", 42},
        {"99999999999999999999", 1661992959},  // modulo 2^32
    };
    for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace parlevox
