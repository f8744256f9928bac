// Bitmap file images (the built-in resource decoder, both compressions) and
// the serialised raw bitmap record. A record that reads must write back the
// same bytes and read again as the same picture.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteReader.h"
#include "common/TextError.h"
#include "display/BitmapResource.h"
#include "display/RawBitmap.h"
#include "FuzzFail.h"

namespace parlevox {
namespace {

bool Same(const CRawBitmap& a, const CRawBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.IsTrueColour() == b.IsTrueColour() &&
           std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin(), b.Pixels().end()) &&
           (a.IsTrueColour() || a.Colours() == b.Colours());
}

// Draws the picture into a small true-colour target at an offset taken
// from the input, which covers the clipping and the colour lookup.
void Draw(const CRawBitmap& bitmap, std::string_view input) {
    CRawBitmap target = CRawBitmap::TrueColour(37, 23);
    int x = input.size() > 8 ? static_cast<int8_t>(input[8]) : 0;
    int y = input.size() > 9 ? static_cast<int8_t>(input[9]) : 0;
    bitmap.DrawTo(target, x, y);
}

void FileImage(std::string_view input) {
    std::optional<CRawBitmap> bitmap = BitmapResource::Decode(input);
    if (!bitmap) return;
    if (bitmap->IsTrueColour() || bitmap->Empty()) FuzzFail("fuzz_raw_bitmap", "a decoded resource is not a palette picture");
    bitmap->AddShadedColours();
    Draw(*bitmap, input);
}

void RunLength(std::string_view input) {
    // The output size comes from the first two bytes, as a header would say.
    if (input.size() < 2) return;
    size_t size = static_cast<uint8_t>(input[0]) | static_cast<size_t>(static_cast<uint8_t>(input[1])) << 8;
    std::vector<uint8_t> out(size);
    BitmapResource::DecodeRunLength(input.substr(2), out);
}

void Record(std::string_view input) {
    CRawBitmap bitmap;
    ByteReader reader(input, "short");
    try {
        bitmap.ReadRawBitmap(reader);
    } catch (const TextError&) {
        return;
    }
    Draw(bitmap, input);
    ByteWriter writer;
    bitmap.WriteRawBitmap(writer);
    CRawBitmap again;
    ByteReader second(writer.Bytes(), "short");
    try {
        again.ReadRawBitmap(second);
    } catch (const TextError&) {
        FuzzFail("fuzz_raw_bitmap", "a written record does not read back");
    }
    if (!second.AtEnd() || !Same(bitmap, again)) FuzzFail("fuzz_raw_bitmap", "a written record reads back differently");
}

}  // namespace
}  // namespace parlevox

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    FileImage(input);
    RunLength(input);
    Record(input);
    return 0;
}
