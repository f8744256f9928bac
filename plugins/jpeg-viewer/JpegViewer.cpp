// JPEG viewer: a Parlevox DCC plug-in that shows JPEG pictures while they
// arrive. It is built against parlevox/plugin.h alone and decodes with
// libjpeg through a suspending data source: every block the host hands
// over is decoded as far as it goes, and decoding waits for the next
// block where the data runs out. A baseline picture fills in row by row;
// a progressive one is shown whole after each complete scan, sharper each
// time. Pictures larger than the window are scaled down to fit it.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "parlevox/plugin.h"

namespace {

const PvDccHost* host = nullptr;

// The window's largest side (a setting; the host allows at most 512 x 512).
constexpr const char* kLargestSideKey = "Largest side";
constexpr int kDefaultLargestSide = 512;
constexpr int kSmallLargestSide = 256;
// Larger pictures are not decoded: a progressive one keeps all its
// coefficients in memory.
constexpr uint64_t kMostPixels = 16u << 20;
// Shown where the picture has not arrived yet.
constexpr uint8_t kBackground = 0x40;

#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE kOutput = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kOutput = JCS_RGB;
#endif

struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// One picture on its way in.
struct Picture {
    enum Stage { kHeader, kStarting, kRows, kScans, kFinishing, kDone, kStopped };

    int32_t transfer = 0;
    int largestSide = kDefaultLargestSide;
    jpeg_decompress_struct decoder {};
    ErrorExit error {};
    jpeg_source_mgr source {};
    bool created = false;
    // What has arrived and the decoder has not used yet.
    std::vector<uint8_t> pending;
    size_t skip = 0;      // bytes the decoder skipped that have not arrived yet
    bool allIn = false;   // no more data comes
    Stage stage = kHeader;
    bool progressive = false;
    bool inOutput = false;
    int shownScan = 0;
    int step = 1;  // every step-th decoded row and column is shown
    PvBitmap bitmap {};
    std::vector<uint8_t> row;
    bool drawn = false;

    ~Picture() {
        if (created) jpeg_destroy_decompress(&decoder);
    }
};

std::map<int32_t, std::unique_ptr<Picture>> pictures;

Picture& Of(j_decompress_ptr decoder) {
    return *static_cast<Picture*>(decoder->client_data);
}

// --- The suspending data source.

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// Out of data: wait for the next block, or end the picture when none comes.
boolean FillInput(j_decompress_ptr decoder) {
    if (!Of(decoder).allIn) return FALSE;
    static const JOCTET kEnd[] = {0xFF, JPEG_EOI};
    decoder->src->next_input_byte = kEnd;
    decoder->src->bytes_in_buffer = sizeof kEnd;
    return TRUE;
}

void SkipInput(j_decompress_ptr decoder, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& source = *decoder->src;
    const size_t wanted = static_cast<size_t>(count);
    if (wanted <= source.bytes_in_buffer) {
        source.next_input_byte += wanted;
        source.bytes_in_buffer -= wanted;
        return;
    }
    Of(decoder).skip += wanted - source.bytes_in_buffer;
    source.next_input_byte += source.bytes_in_buffer;
    source.bytes_in_buffer = 0;
}

void ErrorExitJump(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<ErrorExit*>(decoder->err)->jump, 1);
}

void NoMessage(j_common_ptr) {}

// --- Drawing.

void Fill(const PvBitmap& bitmap, uint8_t value) {
    for (int32_t y = 0; y < bitmap.height; ++y)
        std::memset(bitmap.pixels + static_cast<size_t>(y) * static_cast<size_t>(bitmap.bytesPerRow), value,
                    static_cast<size_t>(bitmap.width) * 4);
}

// Decoded row y into the window, every step-th pixel.
void DrawRow(Picture& picture, JDIMENSION y) {
    if (y % static_cast<JDIMENSION>(picture.step) != 0) return;
    const int32_t target = static_cast<int32_t>(y) / picture.step;
    if (target >= picture.bitmap.height) return;
    const size_t stride = static_cast<size_t>(picture.bitmap.bytesPerRow);
    uint8_t* out = picture.bitmap.pixels + static_cast<size_t>(target) * stride;
    const int components = picture.decoder.output_components;
    const bool cmyk = picture.decoder.out_color_space == JCS_CMYK;
    for (int32_t x = 0; x < picture.bitmap.width; ++x, out += 4) {
        const uint8_t* in = picture.row.data() + static_cast<size_t>(x) * static_cast<size_t>(picture.step) *
                                                     static_cast<size_t>(components);
        if (cmyk) {
            // Adobe's files store CMYK inverted: each ink times the black.
            out[0] = static_cast<uint8_t>(in[2] * in[3] / 255);
            out[1] = static_cast<uint8_t>(in[1] * in[3] / 255);
            out[2] = static_cast<uint8_t>(in[0] * in[3] / 255);
        } else if (components == 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        } else {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
        out[3] = 0;
    }
    picture.drawn = true;
}

// Reads the rows the data allows; false when it must wait.
bool ReadRows(Picture& picture) {
    jpeg_decompress_struct& decoder = picture.decoder;
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = picture.row.data();
        if (jpeg_read_scanlines(&decoder, &row, 1) != 1) return false;
        DrawRow(picture, decoder.output_scanline - 1);
    }
    return true;
}

// The largest scale (in eighths) that fits, then whole steps for what
// even an eighth leaves too large. False when no window opens.
bool OpenWindow(Picture& picture) {
    jpeg_decompress_struct& decoder = picture.decoder;
    const auto fits = [&](JDIMENSION side) { return side <= static_cast<JDIMENSION>(picture.largestSide); };
    for (unsigned eighths = 8; eighths >= 1; --eighths) {
        decoder.scale_num = eighths;
        decoder.scale_denom = 8;
        jpeg_calc_output_dimensions(&decoder);
        if (fits(decoder.output_width) && fits(decoder.output_height)) break;
    }
    const JDIMENSION larger =
        decoder.output_width > decoder.output_height ? decoder.output_width : decoder.output_height;
    picture.step = static_cast<int>((larger + picture.largestSide - 1) / picture.largestSide);
    if (picture.step < 1) picture.step = 1;
    const int32_t width = static_cast<int32_t>((decoder.output_width + picture.step - 1) / picture.step);
    const int32_t height = static_cast<int32_t>((decoder.output_height + picture.step - 1) / picture.step);
    if (!host->openWindow(host->plugin, picture.transfer, width, height, &picture.bitmap, 1, 1)) return false;
    Fill(picture.bitmap, kBackground);
    picture.drawn = true;
    return true;
}

bool Header(Picture& picture) {
    jpeg_decompress_struct& decoder = picture.decoder;
    if (jpeg_read_header(&decoder, TRUE) == JPEG_SUSPENDED) return false;
    if (static_cast<uint64_t>(decoder.image_width) * decoder.image_height > kMostPixels) {
        picture.stage = Picture::kStopped;
        return false;
    }
    const bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
    decoder.out_color_space = cmyk ? JCS_CMYK : kOutput;
    picture.progressive = jpeg_has_multiple_scans(&decoder);
    decoder.buffered_image = picture.progressive ? TRUE : FALSE;
    if (!OpenWindow(picture)) {
        picture.stage = Picture::kStopped;
        return false;
    }
    picture.stage = Picture::kStarting;
    return true;
}

// Shows every scan once it is complete; the last one after the end.
bool Scans(Picture& picture) {
    jpeg_decompress_struct& decoder = picture.decoder;
    if (!picture.inOutput) {
        int status;
        do {
            status = jpeg_consume_input(&decoder);
        } while (status != JPEG_SUSPENDED && status != JPEG_REACHED_EOI);
        const bool complete = jpeg_input_complete(&decoder);
        const int latest = complete ? decoder.input_scan_number : decoder.input_scan_number - 1;
        if (latest <= picture.shownScan) {
            if (complete) picture.stage = Picture::kFinishing;
            return complete;
        }
        if (!jpeg_start_output(&decoder, latest)) return false;
        picture.inOutput = true;
    }
    if (!ReadRows(picture) || !jpeg_finish_output(&decoder)) return false;
    picture.inOutput = false;
    picture.shownScan = decoder.output_scan_number;
    return true;
}

// One step of the decoding; false when it must wait for data (or is over).
// No object with a destructor lives here: an error jumps out of libjpeg.
bool Step(Picture& picture) {
    jpeg_decompress_struct& decoder = picture.decoder;
    switch (picture.stage) {
        case Picture::kHeader: return Header(picture);
        case Picture::kStarting:
            if (!jpeg_start_decompress(&decoder)) return false;
            picture.row.resize(static_cast<size_t>(decoder.output_width) *
                               static_cast<size_t>(decoder.output_components));
            picture.stage = picture.progressive ? Picture::kScans : Picture::kRows;
            return true;
        case Picture::kRows:
            if (!ReadRows(picture)) return false;
            picture.stage = Picture::kFinishing;
            return true;
        case Picture::kScans: return Scans(picture);
        case Picture::kFinishing:
            if (!jpeg_finish_decompress(&decoder)) return false;
            picture.stage = Picture::kDone;
            return false;
        default: return false;
    }
}

void Decode(Picture& picture) {
    if (setjmp(picture.error.jump)) {
        picture.stage = Picture::kStopped;  // a damaged picture: what was drawn stays
    } else {
        while (Step(picture)) {
        }
    }
    if (picture.drawn) host->redraw(host->plugin, picture.transfer);
    picture.drawn = false;
}

bool Decoding(const Picture& picture) {
    return picture.stage != Picture::kDone && picture.stage != Picture::kStopped;
}

Picture* Find(int32_t transfer) {
    auto it = pictures.find(transfer);
    return it == pictures.end() ? nullptr : it->second.get();
}

// A 48 x 48 icon: a framed landscape with a sun.
void DrawIcon(uint8_t* pixels) {
    for (int y = 0; y < PV_ICON_SIZE; ++y)
        for (int x = 0; x < PV_ICON_SIZE; ++x) {
            uint8_t* p = pixels + y * PV_ICON_SIZE * 3 + x * 3;
            uint8_t b, g, r;
            const int hill = 30 + (x - 24) * (x - 24) / 40;
            const int sunX = x - 33, sunY = y - 15;
            if (x < 3 || y < 3 || x > 44 || y > 44) {
                b = 0xF0, g = 0xF0, r = 0xF0;  // the print's white border
            } else if (sunX * sunX + sunY * sunY <= 36) {
                b = 0x30, g = 0xD0, r = 0xFF;
            } else if (y >= hill) {
                b = 0x30, g = static_cast<uint8_t>(0xA0 - (y - hill) * 2), r = 0x40;
            } else {
                b = 0xF0, g = static_cast<uint8_t>(0x90 + y * 2), r = static_cast<uint8_t>(0x40 + y * 2);
            }
            if (x == 0 || y == 0 || x == 47 || y == 47) b = g = r = 0x50;
            p[0] = b, p[1] = g, p[2] = r;
        }
}

}  // namespace

PV_PLUGIN_ENTRY int Init(PvDccInfo* info, const PvDccHost* givenHost) {
    if (!info || !givenHost || givenHost->version != PV_PLUGIN_INTERFACE_VERSION) return 0;
    host = givenHost;
    std::snprintf(info->name, sizeof info->name, "%s", "JPEG viewer");
    std::snprintf(info->text1, sizeof info->text1, "%s", "Parlevox sample plug-in");
    std::snprintf(info->text2, sizeof info->text2, "%s", "Shows JPEG pictures while they arrive");
    std::snprintf(info->types[0], sizeof info->types[0], "%s", "JPG");
    std::snprintf(info->types[1], sizeof info->types[1], "%s", "JPEG");
    std::snprintf(info->types[2], sizeof info->types[2], "%s", "JPE");
    info->value = 0;
    if (info->iconPixels) DrawIcon(info->iconPixels);
    return 1;
}

PV_PLUGIN_ENTRY void Startup(void) {}

// Switches between the full window and a smaller one for the next pictures.
PV_PLUGIN_ENTRY void Setup(void) {
    const int side = host->getSettingInt(host->plugin, kLargestSideKey, kDefaultLargestSide);
    host->setSettingInt(host->plugin, kLargestSideKey,
                        side == kSmallLargestSide ? kDefaultLargestSide : kSmallLargestSide);
}

PV_PLUGIN_ENTRY void Start(int32_t transfer, const char*, int64_t) {
    auto picture = std::make_unique<Picture>();
    picture->transfer = transfer;
    const int side = host->getSettingInt(host->plugin, kLargestSideKey, kDefaultLargestSide);
    picture->largestSide = side >= 16 && side <= kDefaultLargestSide ? side : kDefaultLargestSide;
    jpeg_decompress_struct& decoder = picture->decoder;
    decoder.err = jpeg_std_error(&picture->error.manager);
    picture->error.manager.error_exit = ErrorExitJump;
    picture->error.manager.output_message = NoMessage;
    if (setjmp(picture->error.jump)) return;  // no memory for the decoder: the transfer only saves
    jpeg_create_decompress(&decoder);
    picture->created = true;
    decoder.client_data = picture.get();
    picture->source.init_source = InitSource;
    picture->source.fill_input_buffer = FillInput;
    picture->source.skip_input_data = SkipInput;
    picture->source.resync_to_restart = jpeg_resync_to_restart;
    picture->source.term_source = TermSource;
    decoder.src = &picture->source;
    pictures[transfer] = std::move(picture);
}

PV_PLUGIN_ENTRY void Data(int32_t transfer, int32_t length, const uint8_t* bytes) {
    Picture* picture = Find(transfer);
    if (!picture || !Decoding(*picture) || length <= 0 || !bytes) return;
    size_t count = static_cast<size_t>(length);
    const size_t skipped = picture->skip < count ? picture->skip : count;
    picture->skip -= skipped;
    bytes += skipped;
    count -= skipped;
    // What the decoder used goes; it resumes from next_input_byte.
    const size_t used = picture->pending.size() - picture->source.bytes_in_buffer;
    picture->pending.erase(picture->pending.begin(), picture->pending.begin() + static_cast<std::ptrdiff_t>(used));
    picture->pending.insert(picture->pending.end(), bytes, bytes + count);
    picture->source.next_input_byte = picture->pending.data();
    picture->source.bytes_in_buffer = picture->pending.size();
    Decode(*picture);
}

// A complete file decodes to its end; a failed one keeps what was shown.
PV_PLUGIN_ENTRY void Finish(int32_t transfer, int32_t code) {
    Picture* picture = Find(transfer);
    if (!picture) return;
    if (code == 0 && Decoding(*picture)) {
        picture->allIn = true;
        Decode(*picture);
    }
    pictures.erase(transfer);
}

PV_PLUGIN_ENTRY void Event(int32_t, int32_t, int32_t, int32_t) {}
