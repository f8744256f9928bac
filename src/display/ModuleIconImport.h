#pragma once
// A module's 48 x 48 icon from a headerless raw file of red, green, blue
// pixels, rows top first.
#include <string>
#include <string_view>

#include "display/RawBitmap.h"

namespace parlevox {

class UserInterface;

class ModuleIconImport {
public:
    static constexpr int kSide = 48;
    static constexpr size_t kRgbSize = kSide * kSide * 3;  // 6912

    // Shows "Set Icon error" and returns false, leaving the icon as it was,
    // when the file cannot be read or holds fewer than 6912 bytes.
    static bool Load(UserInterface& ui, const std::string& path, CRawBitmap& icon);
    // A true-colour icon from 6912 bytes of red, green, blue pixels.
    static CRawBitmap FromRgb(std::string_view rgb);
};

}  // namespace parlevox
