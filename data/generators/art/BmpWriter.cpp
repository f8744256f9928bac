#include "art/BmpWriter.h"

#include <algorithm>

namespace parlevox::art {
namespace {

void Put16(std::string& out, unsigned value) {
    out += char(value & 255);
    out += char(value >> 8 & 255);
}

void Put32(std::string& out, unsigned value) {
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}

}  // namespace

std::string RunLengthEncode(const std::string& pixels) {
    std::string out;
    for (size_t i = 0; i < pixels.size();) {
        size_t run = 1;
        while (i + run < pixels.size() && pixels[i + run] == pixels[i] && run < 255) ++run;
        // A run code costs three bytes: worth it from four pixels, and the
        // only way to write the value 255.
        if (run >= 4 || pixels[i] == char(255)) {
            out += char(255);
            out += char(run);
            out += pixels[i];
            i += run;
        } else {
            out += pixels[i++];
        }
    }
    return out;
}

std::string EncodeBmp(const IndexedImage& image, unsigned compression) {
    size_t stride = (static_cast<size_t>(image.width) + 3) & ~size_t{3};
    std::string rows;
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        std::copy_n(image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width, image.width, row.begin());
        rows += row;
    }
    std::string data = compression == 99 ? RunLengthEncode(rows) : rows;
    constexpr unsigned kPixelOffset = 54 + 1024;

    std::string out = "BM";
    Put32(out, static_cast<unsigned>(kPixelOffset + data.size()));
    Put32(out, 0);
    Put32(out, kPixelOffset);
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(image.width));
    Put32(out, static_cast<unsigned>(image.height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, compression);
    Put32(out, static_cast<unsigned>(data.size()));
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    out.append(reinterpret_cast<const char*>(image.table.data()), image.table.size());
    return out + data;
}

}  // namespace parlevox::art
