#include "display/ModuleIconImport.h"

#include <optional>

#include "display/ImageTexts.h"
#include "display/ImportFile.h"
#include "platform/UserInterface.h"

namespace parlevox {

CRawBitmap ModuleIconImport::FromRgb(std::string_view rgb) {
    CRawBitmap icon = CRawBitmap::TrueColour(kSide, kSide);
    std::span<uint8_t> pixels = icon.Pixels();  // 144-byte rows: no padding at this width
    for (size_t i = 0; i + 2 < pixels.size() && i + 2 < rgb.size(); i += 3) {
        pixels[i] = static_cast<uint8_t>(rgb[i + 2]);
        pixels[i + 1] = static_cast<uint8_t>(rgb[i + 1]);
        pixels[i + 2] = static_cast<uint8_t>(rgb[i]);
    }
    return icon;
}

bool ModuleIconImport::Load(UserInterface& ui, const std::string& path, CRawBitmap& icon) {
    ImportFile file(path);
    std::optional<std::string> rgb = file.ReadAt(0, kRgbSize);
    const char* problem = !rgb ? texts::kIconFileError : rgb->size() < kRgbSize ? texts::kIconTooShort : nullptr;
    if (problem) {
        ui.ShowMessageBox({texts::kSetIconErrorTitle, problem, MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    icon = FromRgb(*rgb);
    return true;
}

}  // namespace parlevox
