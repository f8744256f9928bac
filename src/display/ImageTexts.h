#pragma once
// Every text the raw bitmap code and the picture imports show, in one place.

namespace parlevox::texts {

inline constexpr const char* kGraphicEndOfFile = "Unexpected end of file when loading a graphic.";

// The choice of how to load a scheme image, and the three file dialogs.
inline constexpr const char* kSchemeImageChoiceTitle = "Open scheme image";
inline constexpr const char* kSchemeImageChoiceText =
    "Scheme images include a transparency (alpha) channel. Common bitmap formats do not support this facility, so "
    "three loading options are available.";
inline constexpr const char* kSolidBitmapTitle = "Open solid bitmap";
inline constexpr const char* kSolidBitmapFilter = "24-bit bitmap files (*.bmp)|*.bmp||";
inline constexpr const char* kTransparencyBitmapTitle = "Open greyscale transparency bitmap";
inline constexpr const char* kTransparencyBitmapFilter = "8-bit bitmap files (*.bmp)|*.bmp||";
inline constexpr const char* kRawImageTitle = "Open raw bitmap";
inline constexpr const char* kRawImageFilter = "32-bit RGBA raw graphic files (*.raw)|*.raw||";

inline constexpr const char* kInvalidBmpTitle = "Invalid BMP file";
inline constexpr const char* kNotTrueColourBmp =
    "The .bmp file you selected is not a 24-bit uncompressed bitmap. You can use an image editing program to "
    "convert the bitmap file into a 24-bit uncompressed bitmap, and then attempt to load it again.";
inline constexpr const char* kNotEightBitBmp =
    "The .bmp file you selected is not an 8-bit uncompressed bitmap. You can use an image editing program to "
    "convert the bitmap file into an 8-bit uncompressed greyscale bitmap, and then attempt to load it again.";
inline constexpr const char* kBmpWrongSizeTitle = "BMP file incorrect size";
inline constexpr const char* kBmpWrongSize =
    "The transparency bitmap you selected does not exactly match the size of the existing bitmap. You must load "
    "the colour (RGB) bitmap first, then load a matching transparency map of identical size.";
inline constexpr const char* kRawWrongSizeTitle = "Incorrect size";
inline constexpr const char* kRawWrongSize =
    "The .raw file did not match the size specified. Check that the size is exactly correct, and that the .raw "
    "file is an RGB (24-bit) image plus one (8-bit) alpha channel, making a total of four bytes per pixel.";
inline constexpr const char* kErrorReadingFileTitle = "Error reading file";
inline constexpr const char* kBitmapReadError =
    "There was an error reading the file. Make sure the file is a valid bitmap file and is not open by other "
    "programs.";
inline constexpr const char* kRawInfoError =
    "There was an error obtaining file information. Make sure the file is a valid .raw file and is not open by "
    "other programs.";
inline constexpr const char* kRawReadError =
    "There was an error reading the file. Make sure the file is a valid .raw file and is not open by other "
    "programs.";

// The module icon.
inline constexpr const char* kSetIconTitle = "Set icon";
inline constexpr const char* kSetIconFilter = "24-bit raw graphics (*.raw)|*.raw||";
inline constexpr const char* kSetIconErrorTitle = "Set Icon error";
inline constexpr const char* kIconTooShort =
    "Couldn't read sufficient data from file; ensure it really is a .raw graphic, 48*48 in 24-bit colour with no "
    "header.";
inline constexpr const char* kIconFileError = "Failed to open or read file.";

}  // namespace parlevox::texts
