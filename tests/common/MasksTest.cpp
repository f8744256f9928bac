#include "common/Masks.h"

#include <gtest/gtest.h>

namespace parlevox {
namespace {

TEST(MasksTest, IsMaskNeedsBangBeforeAt) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"nick!user@host", true}, {"*!*@*", true},    {"!@", true},          {"a!b@c@d", true},
        {"nick@host!x", false},   {"nick", false},    {"nick!user", false},  {"user@host", false},
        {"", false},              {"@a!b@c", false},  // the first "@" decides
    };
    for (const auto& c : cases) EXPECT_EQ(IsMask(c.text), c.expected) << c.text;
}

TEST(MasksTest, WildcardMatchTakesEachPieceAtItsFirstOccurrence) {
    struct Case {
        const char* text;
        const char* pattern;
        bool expected;
    } cases[] = {
        {"Nick!User@Host.Example", "nick!*@*", true},
        {"Nick!User@Host.Example", "*!*@*.example", true},
        {"Nick!User@Host.Example", "*!*@*.org", false},
        {"abc", "b*", false},  // the first piece must start the text
        {"abc", "*b", false},  // text left after the last piece
        {"abc", "*b*", true},
        {"abc", "a*c", true},
        {"abc", "abc", true},
        {"ABC", "abc", true},
        {"abcd", "abc", false},
        {"xabc", "abc", false},
        {"", "*", true},
        {"", "**", true},
        {"", "", true},
        {"a", "", false},
        {"", "a", false},
        {"aba", "*a", false},  // no backtracking: "a" is taken at position 0
        {"aba", "*a*", true},
        {"abab", "a*b", false},
        {"abcabc", "a*c*c", true},
        {"aXbXc", "a*b*c", true},
        {"acb", "a*b*c", false},
        {"\xc9t\xe9", "\xc9*", true},  // bytes above 127 compare as they are
        {"\xe9t\xe9", "\xc9*", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(c.text, c.pattern), c.expected) << '"' << c.text << "\" vs \"" << c.pattern << '"';
}

}  // namespace
}  // namespace parlevox
