#include "display/SchemeRecords.h"

#include <algorithm>
#include <cstring>

#include "common/ByteReader.h"
#include "common/InternalErrorReport.h"
#include "common/TextError.h"
#include "display/SchemeFileTexts.h"

namespace parlevox::scheme_records {
namespace {

constexpr size_t kT32Size = 32;
constexpr size_t kPointSize = 24;
constexpr size_t kRectSize = 2 * kPointSize;
constexpr size_t kNumberSize = 4;
constexpr size_t kImageHeadSize = 8 + kRectSize;
constexpr size_t kFadeboxSize = kRectSize + 8;
constexpr size_t kFontSize = kT32Size + 12;
constexpr size_t kHotspotSize = kRectSize + 7 * kT32Size;
constexpr size_t kColourMapSize = CScheme::kColourCount * 4;
constexpr size_t kMarginsSize = kRectSize + 8;

// A record that does not fit its type's layout: the report names this file
// and the line of the failed check, then the file is refused.
void RequireLayout(bool fits, int line) {
    if (fits) return;
    InternalErrorReport(__FILE__, line);
    throw TextError(texts::kSchemeFileCorrupt);
}
#define REQUIRE_LAYOUT(fits) RequireLayout((fits), __LINE__)

// Past the layout checks a short read cannot happen; the reader stays a
// second guard.
ByteReader Fields(std::string_view data) {
    return ByteReader(data, texts::kSchemeFileCorrupt);
}

void PutU32(std::string& out, uint32_t value) {
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 24)};
    out.append(bytes, 4);
}

void PutI32(std::string& out, int32_t value) {
    PutU32(out, static_cast<uint32_t>(value));
}

void PutRect(std::string& out, const AnchoredRect& rect) {
    for (const AnchoredPoint* point : {&rect.topLeft, &rect.bottomRight})
        for (int32_t value : {point->xOffset, point->xShareOfWidth, point->xShareOfHeight, point->yOffset,
                              point->yShareOfWidth, point->yShareOfHeight})
            PutI32(out, value);
}

AnchoredPoint ReadPoint(ByteReader& in) {
    AnchoredPoint point;
    for (int32_t* value : {&point.xOffset, &point.xShareOfWidth, &point.xShareOfHeight, &point.yOffset,
                           &point.yShareOfWidth, &point.yShareOfHeight})
        *value = in.ReadI32();
    return point;
}

AnchoredRect ReadRect(ByteReader& in) {
    AnchoredRect rect;
    rect.topLeft = ReadPoint(in);
    rect.bottomRight = ReadPoint(in);
    return rect;
}

std::string_view TakeT32(ByteReader& in) {
    return ReadT32(in.ReadBytes(kT32Size));
}

uint64_t PixelBytes(int width, int height) {
    return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * AlphaImage::kBytesPerPixel;
}

// The file's pixel bytes are the image's own (opacity, blue, green, red).
std::string ImageData(const CSchemeImage& item) {
    const AlphaImage& image = item.Image();
    const size_t bytes = static_cast<size_t>(PixelBytes(image.Width(), image.Height()));
    std::string out;
    out.reserve(kImageHeadSize + bytes);
    PutI32(out, image.Width());
    PutI32(out, image.Height());
    PutRect(out, item.Rect());
    const std::vector<uint8_t>& pixels = image.Pixels();
    if (pixels.size() != bytes) PARLEVOX_INTERNAL_ERROR();  // edited through the byte vector
    const size_t copied = std::min(bytes, pixels.size());
    out.append(reinterpret_cast<const char*>(pixels.data()), copied);
    out.append(bytes - copied, '\0');
    return out;
}

std::string FadeboxData(const CSchemeFadebox& fadebox) {
    std::string out;
    PutRect(out, fadebox.Rect());
    PutI32(out, fadebox.Opacity());
    PutU32(out, fadebox.Colour());
    return out;
}

void PutReference(std::string& out, const CScheme& scheme, int position, const char* none) {
    if (position != CSchemeHotspot::kNone && (position < 0 || position >= scheme.ItemCount())) {
        PARLEVOX_INTERNAL_ERROR();
        position = CSchemeHotspot::kNone;
    }
    AppendT32(out, position == CSchemeHotspot::kNone ? std::string_view(none) : scheme.Item(position)->Name());
}

std::string HotspotData(const CScheme& scheme, const CSchemeHotspot& hotspot) {
    std::string out;
    PutRect(out, hotspot.Rect());
    for (HotspotLook look : {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed})
        PutReference(out, scheme, hotspot.ImageRef(look), texts::kNoHotspotGraphic);
    for (int event = 0; event < CSchemeHotspot::kSoundEventCount; ++event)
        PutReference(out, scheme, hotspot.SoundRef(event), texts::kNoHotspotSound);
    PutReference(out, scheme, hotspot.ActionRef(), texts::kNoHotspotAction);
    return out;
}

bool IsNoReference(std::string_view name) {
    return name == texts::kNoHotspotGraphic || name == texts::kNoHotspotSound || name == texts::kNoHotspotAction;
}

int ReadReference(ByteReader& in, const CScheme& scheme) {
    std::string_view name = TakeT32(in);
    return IsNoReference(name) ? CSchemeHotspot::kNone : scheme.Find(name);
}

// The text before the zero, which must lie inside the record (bytes after
// it are extra and ignored).
std::string TerminatedText(std::string_view data) {
    const size_t end = data.find('\0');
    REQUIRE_LAYOUT(end != std::string_view::npos);
    return std::string(data.substr(0, end));
}

// Takes a count and that many zero-terminated words from the front of rest.
std::vector<std::string> ReadWordList(std::string_view& rest) {
    REQUIRE_LAYOUT(rest.size() >= kNumberSize);
    const uint32_t count = Fields(rest).ReadU32();
    rest.remove_prefix(kNumberSize);
    std::vector<std::string> words;  // not reserved: the count is not trusted
    for (uint32_t i = 0; i < count; ++i) {
        const size_t end = rest.find('\0');
        REQUIRE_LAYOUT(end != std::string_view::npos);
        words.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return words;
}

void PutWordList(std::string& out, const std::vector<std::string>& words) {
    PutU32(out, static_cast<uint32_t>(words.size()));
    for (const std::string& word : words) out.append(word.c_str(), std::strlen(word.c_str()) + 1);
}

}  // namespace

void AppendT32(std::string& out, std::string_view text) {
    text = text.substr(0, kT32Size);
    out.append(text);
    out.append(kT32Size - text.size(), '\0');
}

std::string_view ReadT32(std::string_view field) {
    field = field.substr(0, kT32Size);
    return field.substr(0, std::min(field.find('\0'), field.size()));
}

std::string NumberData(int32_t value) {
    std::string out;
    PutI32(out, value);
    return out;
}

std::string TextData(std::string_view text) {
    std::string out(text.substr(0, text.find('\0')));
    out += '\0';
    return out;
}

std::string ItemData(const CScheme& scheme, const CSchemeItem& item) {
    switch (item.Kind()) {
        case SchemeItemKind::Image: return ImageData(static_cast<const CSchemeImage&>(item));
        case SchemeItemKind::Fadebox: return FadeboxData(static_cast<const CSchemeFadebox&>(item));
        case SchemeItemKind::Hotspot: return HotspotData(scheme, static_cast<const CSchemeHotspot&>(item));
        case SchemeItemKind::Font: return FontData(static_cast<const CSchemeFont&>(item));
        case SchemeItemKind::Sound: return static_cast<const CSchemeSound&>(item).Wave();
        case SchemeItemKind::Url:
        case SchemeItemKind::Command: return TextData(static_cast<const CSchemeAction&>(item).Text());
    }
    PARLEVOX_INTERNAL_ERROR();
    return {};
}

std::string FontData(const CSchemeFont& font) {
    std::string out;
    AppendT32(out, font.Face());
    PutI32(out, font.Size());
    PutI32(out, font.Smoothing() ? 1 : 0);
    PutI32(out, font.Fallback());
    return out;
}

std::string ColourMapData(const CScheme::ColourMap& colours) {
    std::string out;
    for (WindowsColour colour : colours) PutU32(out, colour);
    return out;
}

std::string DrawOrderData(const CScheme& scheme) {
    std::string out;
    PutU32(out, static_cast<uint32_t>(scheme.DrawOrder().size()));
    for (int position : scheme.DrawOrder()) {
        const CSchemeItem* item = scheme.Item(position);  // a bad position is reported there
        AppendT32(out, item ? std::string_view(item->Name()) : std::string_view());
    }
    return out;
}

std::string UsageData(const SchemeUsage& usage) {
    std::string out;
    for (const auto* list : {&usage.channels, &usage.privateChats, &usage.builtInWindows, &usage.servers})
        PutWordList(out, *list);
    return out;
}

std::string MarginsData(const TextMargins& margins) {
    std::string out;
    PutRect(out, margins.rect);
    PutI32(out, margins.firstLineIndent);
    PutI32(out, margins.continuationIndent);
    return out;
}

std::string ColourData(WindowsColour colour) {
    std::string out;
    PutU32(out, colour);
    return out;
}

int32_t ReadNumber(std::string_view data) {
    REQUIRE_LAYOUT(data.size() >= kNumberSize);
    return Fields(data).ReadI32();
}

std::unique_ptr<CSchemeImage> ReadImage(std::string_view name, std::string_view data) {
    REQUIRE_LAYOUT(data.size() >= kImageHeadSize);
    ByteReader in = Fields(data);
    const int32_t width = in.ReadI32();
    const int32_t height = in.ReadI32();
    const AnchoredRect rect = ReadRect(in);
    REQUIRE_LAYOUT(CRawBitmap::ValidSize(width, height) && PixelBytes(width, height) <= in.Remaining());
    std::string_view pixels = in.ReadBytes(static_cast<size_t>(PixelBytes(width, height)));
    auto item = std::make_unique<CSchemeImage>(name);
    item->Image() = AlphaImage(width, height, reinterpret_cast<const uint8_t*>(pixels.data()));
    item->Rect() = rect;
    return item;
}

std::unique_ptr<CSchemeFadebox> ReadFadebox(std::string_view name, std::string_view data) {
    REQUIRE_LAYOUT(data.size() >= kFadeboxSize);
    ByteReader in = Fields(data);
    auto fadebox = std::make_unique<CSchemeFadebox>(name);
    fadebox->Rect() = ReadRect(in);
    fadebox->SetOpacity(in.ReadI32());
    fadebox->SetColour(in.ReadU32());
    return fadebox;
}

void ReadFont(std::string_view data, CSchemeFont& font) {
    REQUIRE_LAYOUT(data.size() >= kFontSize);
    ByteReader in = Fields(data);
    font.SetFace(TakeT32(in));
    font.SetSize(in.ReadI32());
    font.SetSmoothing(in.ReadI32() != 0);
    font.SetFallback(in.ReadI32());
}

std::unique_ptr<CSchemeSound> ReadSound(std::string_view name, std::string_view data) {
    return std::make_unique<CSchemeSound>(name, std::string(data));
}

std::unique_ptr<CSchemeURL> ReadUrl(std::string_view name, std::string_view data) {
    return std::make_unique<CSchemeURL>(name, TerminatedText(data));
}

std::unique_ptr<CSchemeCommand> ReadCommand(std::string_view name, std::string_view data) {
    return std::make_unique<CSchemeCommand>(name, TerminatedText(data));
}

std::unique_ptr<CSchemeHotspot> ReadHotspot(std::string_view name, std::string_view data, const CScheme& scheme) {
    REQUIRE_LAYOUT(data.size() >= kHotspotSize);
    ByteReader in = Fields(data);
    auto hotspot = std::make_unique<CSchemeHotspot>(name);
    hotspot->Rect() = ReadRect(in);
    for (HotspotLook look : {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed})
        hotspot->SetImageRef(look, ReadReference(in, scheme));
    for (int event = 0; event < CSchemeHotspot::kSoundEventCount; ++event)
        hotspot->SetSoundRef(event, ReadReference(in, scheme));
    hotspot->SetActionRef(ReadReference(in, scheme));
    return hotspot;
}

CScheme::ColourMap ReadColourMap(std::string_view data) {
    REQUIRE_LAYOUT(data.size() >= kColourMapSize);
    ByteReader in = Fields(data);
    CScheme::ColourMap colours{};
    for (WindowsColour& colour : colours) colour = in.ReadU32();
    return colours;
}

std::vector<int> ReadDrawOrder(std::string_view data, const CScheme& scheme) {
    REQUIRE_LAYOUT(data.size() >= kNumberSize);
    ByteReader in = Fields(data);
    const uint32_t count = in.ReadU32();
    REQUIRE_LAYOUT(static_cast<uint64_t>(count) * kT32Size <= in.Remaining());
    // No writer makes more entries than a scheme holds: such a file is
    // refused rather than drawn in part.
    if (count > static_cast<uint32_t>(CScheme::kMaxDrawOrder)) throw TextError(texts::kSchemeFileCorrupt);
    std::vector<int> positions;
    for (uint32_t i = 0; i < count; ++i) {
        const int position = scheme.Find(TakeT32(in));
        if (position >= 0) positions.push_back(position);
    }
    return positions;
}

SchemeUsage ReadUsage(std::string_view data) {
    SchemeUsage usage;
    for (auto* list : {&usage.channels, &usage.privateChats, &usage.builtInWindows, &usage.servers})
        *list = ReadWordList(data);
    return usage;
}

TextMargins ReadMargins(std::string_view data) {
    REQUIRE_LAYOUT(data.size() >= kMarginsSize);
    ByteReader in = Fields(data);
    TextMargins margins;
    margins.rect = ReadRect(in);
    margins.firstLineIndent = in.ReadI32();
    margins.continuationIndent = in.ReadI32();
    return margins;
}

WindowsColour ReadColour(std::string_view data) {
    REQUIRE_LAYOUT(data.size() >= kNumberSize);
    return Fields(data).ReadU32();
}

}  // namespace parlevox::scheme_records
