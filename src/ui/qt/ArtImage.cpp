#include "ui/qt/ArtImage.h"

#include "display/BitmapResource.h"

namespace parlevox {

QImage ToQImage(const CRawBitmap& bitmap) {
    if (bitmap.Empty()) return {};
    if (bitmap.IsTrueColour())
        return QImage(bitmap.Pixels().data(), bitmap.Width(), bitmap.Height(), static_cast<qsizetype>(bitmap.Stride()),
                      QImage::Format_BGR888)
            .copy();
    CRawBitmap trueColour = CRawBitmap::TrueColour(bitmap.Width(), bitmap.Height());
    bitmap.DrawTo(trueColour, 0, 0);
    return ToQImage(trueColour);
}

QImage LoadArt(std::string_view name) {
    std::optional<CRawBitmap> bitmap = BitmapResource::Load(name);
    return bitmap ? ToQImage(*bitmap) : QImage();
}

}  // namespace parlevox
