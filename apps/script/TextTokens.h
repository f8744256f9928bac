#pragma once
// The token lines of a module's text files: words separated by blanks or
// commas, a word that needs it written in double quotes with backslash
// escapes, so that any byte 0-255 survives a round trip through a text
// editor and version control. `#` starts a comment line; `[` and `]` stand
// alone.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

struct TextToken {
    std::string text;
    bool quoted = false;
    int column = 1;  // from 1, in bytes
};

// A problem in a text file, with where it is; 0 leaves the place out.
struct TextFileError {
    std::string text;
    int line = 0;
    int column = 0;
};

// Bare when the text is a plain printable word, else quoted and escaped
// (\\ \" \t \n \r and \xHH for any other byte outside 0x20-0x7E).
std::string TokenText(std::string_view text);
// Always quoted: for values whose type is text.
std::string QuotedText(std::string_view text);

// The tokens of one line (empty for a blank or comment line); throws
// TextFileError with the column for a bad escape or an open quote.
std::vector<TextToken> TokenizeLine(std::string_view line, int lineNumber);

// The lines of a file, without their LF or CR LF ends.
std::vector<std::string> SplitLines(std::string_view text);

std::optional<int32_t> ParseDecimal(std::string_view text);
std::optional<int32_t> ParseHex(std::string_view text);
std::string Hex8(int32_t value);

}  // namespace parlevox
