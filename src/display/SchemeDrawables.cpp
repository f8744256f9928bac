#include "display/SchemeDrawables.h"

#include <algorithm>
#include <cstdint>

#include "display/Scheme.h"
#include "display/SchemeCompositing.h"

namespace parlevox {
namespace {

int Shifted(int coordinate, int offset) {
    constexpr int64_t kLimit = int64_t{AnchoredPoint::kCoordinateLimit} * 2;
    return static_cast<int>(std::clamp<int64_t>(int64_t{coordinate} + offset, -kLimit, kLimit));
}

PixelRect Placed(const AnchoredRect& rect, const SchemeDrawArea& area) {
    PixelRect r = rect.Evaluate(area.width, area.height);
    return {Shifted(r.left, area.offsetX), Shifted(r.top, area.offsetY), Shifted(r.right, area.offsetX),
            Shifted(r.bottom, area.offsetY)};
}

int FixedIndex(int position, int removed) {
    if (position == removed) return CSchemeHotspot::kNone;
    return position > removed ? position - 1 : position;
}

}  // namespace

CSchemeImage::CSchemeImage(std::string_view name) : CSchemeDrawable(name), image_(1, 1), rect_(FixedRect(0, 0, 1, 1)) {}

void CSchemeImage::Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook) const {
    PixelRect rect = Placed(rect_, area);
    if (IsEmpty(rect) || IsEmpty(Intersect(rect, {0, 0, target.Width(), target.Height()}))) return;
    if (rect.right - rect.left == image_.Width() && rect.bottom - rect.top == image_.Height())
        CompositeImage(target, image_, rect.left, rect.top);
    else
        CompositeScaled(target, image_, rect);
}

CSchemeFadebox::CSchemeFadebox(std::string_view name) : CSchemeDrawable(name) {
    rect_.bottomRight.xShareOfWidth = 100;
    rect_.bottomRight.yShareOfHeight = 100;
}

void CSchemeFadebox::Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook) const {
    BlendRect(target, Placed(rect_, area), ToBgr(colour_), opacity_);
}

CSchemeHotspot::CSchemeHotspot(std::string_view name) : CSchemeDrawable(name), rect_(FixedRect(0, 0, 1, 1)) {}

void CSchemeHotspot::Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook look) const {
    if (!Owner()) return;
    if (const CSchemeImage* image = Owner()->ItemOfKind<CSchemeImage>(ImageRef(look)))
        image->Draw(target, area, HotspotLook::Normal);
}

int CSchemeHotspot::SoundRef(int event) const {
    return event >= 0 && event < kSoundEventCount ? sounds_[static_cast<size_t>(event)] : kNone;
}

void CSchemeHotspot::SetSoundRef(int event, int position) {
    if (event >= 0 && event < kSoundEventCount) sounds_[static_cast<size_t>(event)] = position;
}

void CSchemeHotspot::ItemRemoved(int position) {
    for (int& image : images_) image = FixedIndex(image, position);
    for (int& sound : sounds_) sound = FixedIndex(sound, position);
    action_ = FixedIndex(action_, position);
}

}  // namespace parlevox
