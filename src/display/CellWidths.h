#pragma once
// Pixel widths of characters in the five fonts of a scheme's text font
// (FontIndex): what the output pane measures its cells with, for wrapping
// and for finding the character under the mouse.
namespace parlevox {

class CellWidths {
public:
    virtual ~CellWidths() = default;
    // The advance of the character in that font; characters below 32 have
    // whatever width the painter gives them (none for a plain glyph cache).
    virtual int Width(int fontIndex, unsigned char ch) const = 0;
};

}  // namespace parlevox
