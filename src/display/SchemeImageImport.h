#pragma once
// The three ways a picture with transparency comes into a scheme image: a
// 24-bit bitmap (solid), an 8-bit bitmap whose indices give the opacity of
// the current image, or a raw red, green, blue, alpha file of a size the
// user gives. Each failure shows its warning box and leaves the image as it
// was. The caller shows the file dialogs (ImageTexts.h has their titles).
#include <string>

#include "display/AlphaImage.h"
#include "display/SchemeDrawables.h"

namespace parlevox {

class UserInterface;

// The warning boxes go to `ui`.
class SchemeImageImport {
public:
    static bool LoadSolidBitmap(UserInterface& ui, const std::string& path, AlphaImage& image);
    static bool LoadTransparencyBitmap(UserInterface& ui, const std::string& path, AlphaImage& image);
    static bool LoadRawImage(UserInterface& ui, const std::string& path, int width, int height, AlphaImage& image);

    // The same into a scheme image item; after a load its rectangle, when
    // it has a fixed size, takes the new image's size.
    static bool LoadSolidBitmap(UserInterface& ui, const std::string& path, CSchemeImage& item);
    static bool LoadTransparencyBitmap(UserInterface& ui, const std::string& path, CSchemeImage& item);
    static bool LoadRawImage(UserInterface& ui, const std::string& path, int width, int height, CSchemeImage& item);
};

}  // namespace parlevox
