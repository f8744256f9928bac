#pragma once
// The three kinds a scheme draws: images with their own opacity, fade
// boxes, and hot spots that show one of three images by their state.
#include <array>

#include "display/AlphaImage.h"
#include "display/AnchoredPoint.h"
#include "display/SchemeItems.h"
#include "display/WindowsColour.h"

namespace parlevox {

// A 32-bit image drawn into its anchored rectangle: 1:1 when the rectangle
// has the image's size, else scaled to it by area averaging.
class CSchemeImage final : public CSchemeDrawable {
public:
    // A new item: 1 x 1 solid black, at (0,0)-(1,1).
    explicit CSchemeImage(std::string_view name = {});
    SchemeItemKind Kind() const override { return SchemeItemKind::Image; }
    const char* RecordType() const override { return "IMAGE"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeImage>(*this); }
    void Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook look) const override;

    AlphaImage& Image() { return image_; }
    const AlphaImage& Image() const { return image_; }
    AnchoredRect& Rect() { return rect_; }
    const AnchoredRect& Rect() const { return rect_; }
    // After the pixels were replaced: a rectangle of fixed size takes the
    // image's size (its top left stays).
    void FitRectToImage() { rect_.FitFixedSize(image_.Width(), image_.Height()); }

private:
    AlphaImage image_;
    AnchoredRect rect_;
};

// A translucent box of one colour; opacity 0 leaves what is beneath,
// 256 paints the colour solid.
class CSchemeFadebox final : public CSchemeDrawable {
public:
    static constexpr int kMaxOpacity = 256;

    // A new item: (0,0) to (0,100,0, 0,0,100), opacity 32, white.
    explicit CSchemeFadebox(std::string_view name = {});
    SchemeItemKind Kind() const override { return SchemeItemKind::Fadebox; }
    const char* RecordType() const override { return "FADEBOX"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeFadebox>(*this); }
    void Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook look) const override;

    AnchoredRect& Rect() { return rect_; }
    const AnchoredRect& Rect() const { return rect_; }
    // Values outside 0-256 are drawn as the nearest end.
    int Opacity() const { return opacity_; }
    void SetOpacity(int opacity) { opacity_ = opacity; }
    WindowsColour Colour() const { return colour_; }
    void SetColour(WindowsColour colour) { colour_ = colour; }

private:
    AnchoredRect rect_;
    int opacity_ = 32;
    WindowsColour colour_ = RgbColour(255, 255, 255);
};

// A clickable area. Its references are positions in the scheme's item
// list, -1 for none: three images (normal, mouse-over, pressed), three
// sounds (mouse-over, button-down, button-up) and an action.
class CSchemeHotspot final : public CSchemeDrawable {
public:
    static constexpr int kNone = -1;
    static constexpr int kSoundEventCount = 3;  // mouse-over 0, button-down 1, button-up 2

    // A new item: no references, at (0,0)-(1,1).
    explicit CSchemeHotspot(std::string_view name = {});
    SchemeItemKind Kind() const override { return SchemeItemKind::Hotspot; }
    const char* RecordType() const override { return "HOTSPOT"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeHotspot>(*this); }
    // Draws the image for the look at the image's own rectangle; nothing
    // when that reference is -1 or names no image.
    void Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook look) const override;

    AnchoredRect& Rect() { return rect_; }
    const AnchoredRect& Rect() const { return rect_; }
    int ImageRef(HotspotLook look) const { return images_[static_cast<size_t>(look)]; }
    void SetImageRef(HotspotLook look, int position) { images_[static_cast<size_t>(look)] = position; }
    // Events outside 0-2 have no sound.
    int SoundRef(int event) const;
    void SetSoundRef(int event, int position);
    int ActionRef() const { return action_; }
    void SetActionRef(int position) { action_ = position; }

    // The item at position was removed: later positions move down one,
    // references to it become -1.
    void ItemRemoved(int position);

private:
    AnchoredRect rect_;
    std::array<int, 3> images_{kNone, kNone, kNone};
    std::array<int, kSoundEventCount> sounds_{kNone, kNone, kNone};
    int action_ = kNone;
};

}  // namespace parlevox
