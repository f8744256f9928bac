#include "JpegFile.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace parlevox::test {

std::string EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, int quality, bool progressive) {
    jpeg_compress_struct encoder {};
    jpeg_error_mgr error {};
    encoder.err = jpeg_std_error(&error);
    jpeg_create_compress(&encoder);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &out, &size);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    if (progressive) jpeg_simple_progression(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(rgb.data()) + static_cast<size_t>(encoder.next_scanline) * width * 3;
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&encoder);
    std::free(out);
    return bytes;
}

}  // namespace parlevox::test
