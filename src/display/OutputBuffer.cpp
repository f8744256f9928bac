#include "display/OutputBuffer.h"

namespace parlevox {
namespace {

bool IsDigit(std::string_view text, size_t at) {
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

// Reads the digits at `at`, any number of them; the value wraps modulo 256,
// and only its low nibble is a colour index. Leaves `at` after the digits.
int ReadColourNumber(std::string_view text, size_t& at) {
    unsigned value = 0;
    for (; IsDigit(text, at); ++at) value = (value * 10 + static_cast<unsigned>(text[at] - '0')) & 0xFF;
    return static_cast<int>(value & 0x0F);
}

// A colour code whose 0x03 is at `at`: returns the index of the last byte
// it consumed. Without a digit after it the 0x03 alone is skipped.
size_t ReadColourCode(std::string_view text, size_t at, uint8_t& colours) {
    size_t next = at + 1;
    if (!IsDigit(text, next)) return at;
    int foreground = ReadColourNumber(text, next);
    int background = colours >> 4;
    if (next < text.size() && text[next] == ',' && IsDigit(text, next + 1)) {
        ++next;
        background = ReadColourNumber(text, next);
    }
    if (foreground == background) {
        if (foreground != 0) background = 0;
        else background = 1;  // black on black: black on the second colour
    }
    colours = static_cast<uint8_t>(foreground | (background << 4));
    return next - 1;
}

}  // namespace

size_t COutputBuffer::TrimmedLength() const {
    size_t length = Length();
    while (length > 0 && cells_[length - 1].ch == ' ' && cells_[length - 1].IsText()) --length;
    return length;
}

COutputBuffer ToCells(std::string_view text) {
    COutputBuffer line;
    std::vector<Cell>& cells = line.cells_;
    cells.clear();
    cells.reserve(text.size() + 1);
    uint8_t attributes = 0;
    uint8_t colours = cellattr::kStartColours;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<uint8_t>(text[i]);
        if (byte == 0x00) break;
        switch (byte) {
        case 0x02: attributes ^= cellattr::kBold; break;
        case 0x1F: attributes ^= cellattr::kItalic; break;
        case 0x16: attributes ^= cellattr::kReverse; break;
        case 0x08: attributes ^= cellattr::kNickname; break;
        case 0x0F:
            attributes = 0;
            colours = cellattr::kStartColours;
            break;
        case 0x03: i = ReadColourCode(text, i, colours); break;
        default: cells.push_back({byte, attributes, colours});
        }
    }
    cells.push_back(kEndCell);
    return line;
}

}  // namespace parlevox
