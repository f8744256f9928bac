#pragma once
// A formatted output line: the text of one line as 3-byte cells (character,
// attributes, colours), always ending with one end cell. The control bytes
// of window text become attributes and colours here; the cells keep colour
// indices, so a scheme change recolours all stored text.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace parlevox {

namespace cellattr {
constexpr uint8_t kReverse = 0x08;
constexpr uint8_t kBold = 0x10;
constexpr uint8_t kItalic = 0x20;
constexpr uint8_t kLink = 0x40;
constexpr uint8_t kNickname = 0x80;
// The whole attribute byte of a control cell, whose character is the code.
constexpr uint8_t kControl = 0xF0;
constexpr uint8_t kEndOfLine = 1;
// Foreground 1, no background.
constexpr uint8_t kStartColours = 1;
}  // namespace cellattr

struct Cell {
    uint8_t ch;
    uint8_t attr;
    uint8_t colours;  // low nibble foreground, high nibble background (0: none)

    bool IsControl() const { return attr == cellattr::kControl; }
    bool IsEnd() const { return IsControl() && ch == cellattr::kEndOfLine; }
    bool IsText() const { return !IsControl(); }
    int Foreground() const { return colours & 0x0F; }
    int Background() const { return colours >> 4; }
    void SetForeground(int index) { colours = static_cast<uint8_t>((colours & 0xF0) | (index & 0x0F)); }
    bool operator==(const Cell&) const = default;
};
static_assert(sizeof(Cell) == 3);

constexpr Cell kEndCell{cellattr::kEndOfLine, cellattr::kControl, cellattr::kStartColours};

// The five fonts of a scheme's text font.
enum FontIndex : int { kFontNormal = 0, kFontItalic = 1, kFontBold = 2, kFontBoldItalic = 3, kFontUnderlined = 4 };
constexpr int kFontCount = 5;

// Bold and italic pick their fonts; a link is underlined unless one of them
// applies; reverse and the nickname mark keep the normal font.
constexpr int FontIndexFor(uint8_t attributes) {
    const bool bold = attributes & cellattr::kBold;
    const bool italic = attributes & cellattr::kItalic;
    if (bold && italic) return kFontBoldItalic;
    if (bold) return kFontBold;
    if (italic) return kFontItalic;
    if (attributes & cellattr::kLink) return kFontUnderlined;
    return kFontNormal;
}

class COutputBuffer {
public:
    COutputBuffer() : cells_{kEndCell} {}

    // Cells before the end cell.
    size_t Length() const { return cells_.size() - 1; }
    std::span<Cell> Text() { return {cells_.data(), Length()}; }
    std::span<const Cell> Text() const { return {cells_.data(), Length()}; }
    // Including the end cell.
    std::span<const Cell> Cells() const { return cells_; }
    // The length without trailing space cells: the line ends at its last
    // non-space character.
    size_t TrimmedLength() const;

private:
    friend COutputBuffer ToCells(std::string_view text);

    std::vector<Cell> cells_;
};

// Turns window text with its control bytes into cells: 0x02 bold, 0x1F
// italic, 0x16 reverse, 0x08 nickname mark, 0x0F plain, 0x03 colour code,
// and a zero byte ends the text. Every other byte is a text cell.
COutputBuffer ToCells(std::string_view text);

}  // namespace parlevox
