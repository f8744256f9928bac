#include "display/SchemeImageImport.h"

#include <optional>

#include "display/BmpHeader.h"
#include "display/ImageTexts.h"
#include "display/ImportFile.h"
#include "display/RawBitmap.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

bool Warn(UserInterface& ui, const char* title, const char* text) {
    ui.ShowMessageBox({title, text, MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
}

struct BmpRows {
    BmpHeader header;
    std::string rows;  // bottom row first, FileStride() bytes each
};

// Reads the headers, checks the kind, then the rows. Shows the box itself.
std::optional<BmpRows> ReadBmp(UserInterface& ui, const std::string& path, uint16_t bitsPerPixel, const char* wrongKindText) {
    ImportFile file(path);
    std::optional<std::string> headerBytes = file.ReadAt(0, BmpHeader::kHeadersSize);
    std::optional<BmpHeader> header = headerBytes ? BmpHeader::Parse(*headerBytes) : std::nullopt;
    if (!header) {
        Warn(ui, texts::kErrorReadingFileTitle, texts::kBitmapReadError);
        return std::nullopt;
    }
    if (header->bitsPerPixel != bitsPerPixel || header->compression != 0) {
        Warn(ui, texts::kInvalidBmpTitle, wrongKindText);
        return std::nullopt;
    }
    if (header->width <= 0 || header->height <= 0 || !CRawBitmap::ValidSize(header->width, header->height)) {
        Warn(ui, texts::kErrorReadingFileTitle, texts::kBitmapReadError);
        return std::nullopt;
    }
    size_t size = header->FileStride() * static_cast<size_t>(header->height);
    std::optional<uint64_t> fileSize = file.Size();
    std::optional<std::string> rows;
    if (fileSize && header->pixelOffset <= *fileSize && size <= *fileSize - header->pixelOffset)
        rows = file.ReadAt(header->pixelOffset, size);
    if (!rows || rows->size() != size) {
        Warn(ui, texts::kErrorReadingFileTitle, texts::kBitmapReadError);
        return std::nullopt;
    }
    return BmpRows{*header, std::move(*rows)};
}

const uint8_t* FileRow(const BmpRows& bmp, int y) {  // y counted from the top
    size_t fromBottom = static_cast<size_t>(bmp.header.height - 1 - y);
    return reinterpret_cast<const uint8_t*>(bmp.rows.data()) + fromBottom * bmp.header.FileStride();
}

}  // namespace

bool SchemeImageImport::LoadSolidBitmap(UserInterface& ui, const std::string& path, AlphaImage& image) {
    std::optional<BmpRows> bmp = ReadBmp(ui, path, 24, texts::kNotTrueColourBmp);
    if (!bmp) return false;
    AlphaImage loaded(bmp->header.width, bmp->header.height);
    for (int y = 0; y < loaded.Height(); ++y) {
        const uint8_t* in = FileRow(*bmp, y);
        for (int x = 0; x < loaded.Width(); ++x, in += 3) {
            uint8_t* out = loaded.Pixel(x, y);
            out[0] = 255;
            out[1] = in[0];
            out[2] = in[1];
            out[3] = in[2];
        }
    }
    image = std::move(loaded);
    return true;
}

bool SchemeImageImport::LoadTransparencyBitmap(UserInterface& ui, const std::string& path, AlphaImage& image) {
    std::optional<BmpRows> bmp = ReadBmp(ui, path, 8, texts::kNotEightBitBmp);
    if (!bmp) return false;
    if (bmp->header.width != image.Width() || bmp->header.height != image.Height())
        return Warn(ui, texts::kBmpWrongSizeTitle, texts::kBmpWrongSize);
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* in = FileRow(*bmp, y);
        for (int x = 0; x < image.Width(); ++x) image.Pixel(x, y)[0] = static_cast<uint8_t>(255 - in[x]);
    }
    return true;
}

bool SchemeImageImport::LoadRawImage(UserInterface& ui, const std::string& path, int width, int height, AlphaImage& image) {
    ImportFile file(path);
    if (!file.IsOpen()) return Warn(ui, texts::kErrorReadingFileTitle, texts::kRawReadError);
    std::optional<uint64_t> fileSize = file.Size();
    if (!fileSize) return Warn(ui, texts::kErrorReadingFileTitle, texts::kRawInfoError);
    bool sizeInRange = width > 0 && height > 0 && CRawBitmap::ValidSize(width, height);
    size_t expected = sizeInRange ? static_cast<size_t>(width) * height * AlphaImage::kBytesPerPixel : 0;
    if (!sizeInRange || *fileSize != expected) return Warn(ui, texts::kRawWrongSizeTitle, texts::kRawWrongSize);
    std::optional<std::string> bytes = file.ReadAt(0, expected);
    if (!bytes || bytes->size() != expected) return Warn(ui, texts::kErrorReadingFileTitle, texts::kRawReadError);

    AlphaImage loaded(width, height);
    const auto* in = reinterpret_cast<const uint8_t*>(bytes->data());
    for (size_t i = 0; i < expected; i += 4) {  // red, green, blue, alpha in; opacity, blue, green, red out
        uint8_t* out = loaded.Pixels().data() + i;
        out[0] = static_cast<uint8_t>(255 - in[i + 3]);
        out[1] = in[i + 2];
        out[2] = in[i + 1];
        out[3] = in[i];
    }
    image = std::move(loaded);
    return true;
}

namespace {

bool Fitted(bool loaded, CSchemeImage& item) {
    if (loaded) item.FitRectToImage();
    return loaded;
}

}  // namespace

bool SchemeImageImport::LoadSolidBitmap(UserInterface& ui, const std::string& path, CSchemeImage& item) {
    return Fitted(LoadSolidBitmap(ui, path, item.Image()), item);
}

bool SchemeImageImport::LoadTransparencyBitmap(UserInterface& ui, const std::string& path, CSchemeImage& item) {
    return Fitted(LoadTransparencyBitmap(ui, path, item.Image()), item);
}

bool SchemeImageImport::LoadRawImage(UserInterface& ui, const std::string& path, int width, int height,
                                     CSchemeImage& item) {
    return Fitted(LoadRawImage(ui, path, width, height, item.Image()), item);
}

}  // namespace parlevox
