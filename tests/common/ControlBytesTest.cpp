#include "common/ControlBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace parlevox {
namespace {

using namespace std::string_literals;

// What a hostile peer can put in a nick, a channel name or a text, and what
// each cleaning lets through.
TEST(ControlBytesTest, NothingForgesAFieldALineOrATerminalCommand) {
    struct Case {
        const char* description;
        std::string in;
        std::string field, formatted, stripped;
    } cases[] = {
        {"tab forges a field", "a\tb", "ab", "a b", "ab"},
        {"line ends forge lines", "a\r\nb", "ab", "a  b", "ab"},
        {"escape sets the title", "\x1b]0;owned\x07x", "]0;ownedx", "]0;ownedx", "]0;ownedx"},
        {"DEL in a field", "a\x7f" "b", "ab", "a\x7f" "b", "a\x7f" "b"},
        {"formatting kept only in raw text", "\x02" "b\x0f\x16r\x1fi\x08n", "brin", "\x02" "b\x0f\x16r\x1fi\x08n",
         "brin"},
        {"colour with its digits", "\x03" "4,12red\x03" "5", "4,12red5", "\x03" "4,12red\x03" "5", "red"},
        {"colour comma without digits stays", "\x03" "4,x", "4,x", "\x03" "4,x", ",x"},
        {"NUL", "a\0b"s, "ab", "ab", "ab"},
        {"Windows-1252 letters pass", "caf\xe9", "caf\xe9", "caf\xe9", "caf\xe9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CleanField(c.in), c.field) << c.description;
        EXPECT_EQ(CleanKeepingFormatting(c.in), c.formatted) << c.description;
        EXPECT_EQ(StripControlCodes(c.in), c.stripped) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
