#pragma once
// A display scheme: the background colour and the stack of images, fade
// boxes and hot spots drawn in draw order; the colour map for the text
// colour indices; the text area's margins and font; and the usage lists
// that say which windows it is for. Positions are anchored to the window's
// size, so one scheme fits windows of any size.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/vec.h"
#include "display/AnchoredPoint.h"
#include "display/RawBitmap.h"
#include "display/SchemeDrawables.h"
#include "display/SchemeFont.h"
#include "display/SchemeItems.h"
#include "display/SchemeUsage.h"
#include "display/WindowsColour.h"

namespace parlevox {

class CSoundSystem;

struct TextMargins {
    AnchoredRect rect{{8, 0, 0, 8, 0, 0}, {-8, 256, 0, -8, 0, 256}};
    int32_t firstLineIndent = 0;
    int32_t continuationIndent = 32;
    bool operator==(const TextMargins&) const = default;
};

// Which hot spot (numbered in draw order) is under the mouse, and whether
// it is pressed; number -1 for none.
struct HotspotState {
    int number = -1;
    bool pressed = false;
};

// A hot spot's picture in one state, rendered with everything above and
// below it, and where it goes in the client area.
struct HotspotPicture {
    CRawBitmap image;
    PixelRect rect;
};

class CScheme {
public:
    static constexpr int kMaxItems = 128;
    static constexpr int kMaxDrawOrder = 128;
    static constexpr int kColourCount = 16;
    using ColourMap = std::array<WindowsColour, kColourCount>;
    static const ColourMap kDefaultColourMap;
    static constexpr WindowsColour kDefaultBackground = RgbColour(255, 255, 255);

    CScheme();  // the built-in default
    CScheme(const CScheme& other);  // duplicates every item; references keep their positions
    CScheme& operator=(const CScheme& other);
    CScheme(CScheme&& other);
    CScheme& operator=(CScheme&& other);
    ~CScheme();

    // Items. A bad position is reported as an internal error and gives null.
    int ItemCount() const { return items_.Length(); }
    CSchemeItem* Item(int position) const;
    // Null for -1 and for an item of another kind; a position out of range
    // is also reported.
    template <typename T>
    T* ItemOfKind(int position) const;
    // First item with exactly this name (case counts); -1 when none.
    int Find(std::string_view name) const;
    // Appends; the 129th item is reported and not added (-1).
    int AddItem(std::unique_ptr<CSchemeItem> item);
    // Removes the item; later positions move down one, in hot spots and in
    // the draw order. Remove its draw-order entries first: one left behind
    // is reported and dropped.
    void RemoveItem(int position);

    // The editor's new items, named after the current time. Images and fade
    // boxes go to the end of the item list and of the draw order. A hot spot
    // comes with three images and a URL action named after it ("N", "O",
    // "D", "A"), and goes to the end of the draw order. -1 when the list has
    // no room (reported).
    int AddNewImage();
    int AddNewFadebox();
    int AddNewHotspot();
    // "i%8x%8x" or "f%8x%8x" of the time in seconds and the tick count.
    static std::string NewItemName(const char* format, uint32_t seconds, uint32_t tick);

    // Draw order: positions in the item list, drawn first to last.
    const std::vector<int>& DrawOrder() const { return drawOrder_; }
    // Bad positions and a 129th entry are reported and not added.
    bool AppendToDrawOrder(int position);
    void RemoveDrawOrderEntry(int entry);
    // Exchange an entry with its neighbour; false at the end of the list.
    bool MoveDrawOrderEntryUp(int entry);
    bool MoveDrawOrderEntryDown(int entry);

    const ColourMap& Colours() const { return colours_; }
    void SetColours(const ColourMap& colours) { colours_ = colours; }
    // Index taken modulo 16.
    BgrColour Colour(int index) const { return ToBgr(colours_[static_cast<size_t>(index) & 15]); }
    const TextMargins& Margins() const { return margins_; }
    void SetMargins(const TextMargins& margins) { margins_ = margins; }
    CSchemeFont& TextFont() { return textFont_; }
    const CSchemeFont& TextFont() const { return textFont_; }
    const SchemeUsage& Usage() const { return usage_; }
    void SetUsage(SchemeUsage usage) { usage_ = std::move(usage); }
    WindowsColour Background() const { return background_; }
    void SetBackground(WindowsColour colour) { background_ = colour; }

    // Fills the whole image with the background colour, then draws the
    // draw order for a client of width x height, every position moved by
    // the offset.
    void Draw(CRawBitmap& image, int width, int height, int offsetX = 0, int offsetY = 0,
              HotspotState state = {}) const;

    bool AppliesTo(const SchemeWindow& window) const { return usage_.AppliesTo(window); }

    // Hot spots, numbered in draw order. A number with no hot spot is
    // reported and gives null (or an empty rectangle).
    int HotspotCount() const;
    const CSchemeHotspot* Hotspot(int number) const;
    PixelRect HotspotRect(int number, int width, int height) const;
    // The first hot spot whose rectangle contains the point; -1 when none.
    int HotspotAt(int x, int y, int width, int height) const;
    const CSchemeImage* HotspotImage(int number, HotspotLook look) const;
    // Event 0 mouse-over, 1 button-down, 2 button-up.
    const CSchemeSound* HotspotSound(int number, int event) const;
    const CSchemeAction* HotspotAction(int number) const;
    // The sound event that stands in for a missing hot spot sound.
    static const char* HotspotSoundEvent(int event);
    // Plays the hot spot's sound for the event, or its stand-in event.
    void PlayHotspotSound(int number, int event, AudioOutput& output, CSoundSystem& sounds) const;
    // Runs the hot spot's action; false when it has none.
    bool RunHotspotAction(int number, const ActionContext& context) const;
    // The whole scheme drawn into an image the size of the mouse-over or
    // pressed image's rectangle, with the hot spot in that state; nothing
    // when the hot spot has no such image or it lies outside the client.
    std::optional<HotspotPicture> RenderHotspot(int number, bool pressed, int width, int height) const;

private:
    int AddNewItem(std::unique_ptr<CSchemeItem> item);
    std::string UniqueNewName(const char* format) const;
    int HotspotEntry(int number) const;  // draw-order entry of the hot spot, or -1
    void AdoptItems();

    vec<CSchemeItem> items_;
    std::vector<int> drawOrder_;
    ColourMap colours_ = kDefaultColourMap;
    TextMargins margins_;
    CSchemeFont textFont_;
    SchemeUsage usage_;
    WindowsColour background_ = kDefaultBackground;
};

template <typename T>
T* CScheme::ItemOfKind(int position) const {
    if (position == CSchemeHotspot::kNone) return nullptr;
    return dynamic_cast<T*>(Item(position));
}

}  // namespace parlevox
