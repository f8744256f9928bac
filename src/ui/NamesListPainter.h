#pragma once
// Draws a names list into an image the size of its client area: each entry
// on its own row in the channel scheme's text font, the face chosen by its
// status, the colour by its digit, on the scheme's background; the selected
// entry with the two colours exchanged. Without a scheme nothing is drawn.
#include <cstddef>

#include "display/RawBitmap.h"
#include "ui/NamesList.h"

namespace parlevox {

class CScheme;

class NamesListPainter {
public:
    static constexpr int kTextLeft = 2;

    // Normal for neither, italic for voice, bold for operator, bold italic
    // for both.
    static int FontFor(NickStatus status);
    // The height of one row; 0 without a scheme.
    static int EntryHeight(const CScheme* scheme);
    // The entry at height y of the client when `first` is the top row; -1
    // below the last entry or without a scheme.
    static int EntryAt(const CNamesList& list, size_t first, int y);
    // False, and the image untouched, without a scheme.
    static bool Paint(const CNamesList& list, size_t first, CRawBitmap& image);
};

}  // namespace parlevox
