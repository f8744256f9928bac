#include "common/TextHelpers.h"

#include <string>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

TEST(TextHelpersTest, CaseFoldingIsAsciiOnly) {
    EXPECT_EQ(ToLower("NiCk[\xC9]"), "nick[\xC9]");
    EXPECT_EQ(ToUpper("nIcK{\xE9}"), "NICK{\xE9}");
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"Misc", "misc", true}, {"MISC", "misc", true}, {"misc", "misc ", false},
        {"", "", true},         {"\xC9", "\xE9", false}, {"@", "`", false},  // "@"/"`" differ by the case bit
    };
    for (const auto& c : cases) EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(TextHelpersTest, FindIgnoringCase) {
    struct Case {
        const char* text;
        const char* needle;
        size_t from;
        size_t expected;
    } cases[] = {
        {"Hello World", "WORLD", 0, 6},
        {"abcabc", "BC", 2, 4},
        {"abcabc", "bc", 5, std::string::npos},
        {"abc", "", 3, 3},
        {"abc", "", 4, std::string::npos},
        {"ab", "abc", 0, std::string::npos},
        {"abc", "c", 99, std::string::npos},
    };
    for (const auto& c : cases) EXPECT_EQ(FindIgnoringCase(c.text, c.needle, c.from), c.expected) << c.text;
}

TEST(TextHelpersTest, AlphanumericOnlyAndStartsWith) {
    EXPECT_EQ(AlphanumericOnly("My Module #2 (beta)!"), "MyModule2beta");
    EXPECT_EQ(AlphanumericOnly("_-. \xE9\xC9"), "");
    EXPECT_EQ(AlphanumericOnly("az AZ 09 `{@[/:"), "azAZ09");
    EXPECT_TRUE(StartsWith("Plug-in x", "Plug-in "));
    EXPECT_TRUE(StartsWith("x", ""));
    EXPECT_FALSE(StartsWith("Plug", "Plug-in"));
    EXPECT_FALSE(StartsWith("plug-in", "Plug"));
}

}  // namespace
}  // namespace parlevox
