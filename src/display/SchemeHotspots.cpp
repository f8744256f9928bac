// CScheme's hot spot queries: hot spots are numbered in draw order.
#include "common/InternalErrorReport.h"
#include "display/Scheme.h"
#include "display/SoundSystem.h"
#include "display/SoundTexts.h"

namespace parlevox {
namespace {

bool IsHotspot(const CSchemeItem* item) {
    return item && item->Kind() == SchemeItemKind::Hotspot;
}

}  // namespace

int CScheme::HotspotEntry(int number) const {
    if (number < 0) return -1;
    int seen = 0;
    for (size_t entry = 0; entry < drawOrder_.size(); ++entry)
        if (IsHotspot(items_.Get(drawOrder_[entry])) && seen++ == number) return static_cast<int>(entry);
    return -1;
}

int CScheme::HotspotCount() const {
    int count = 0;
    for (int position : drawOrder_) count += IsHotspot(items_.Get(position));
    return count;
}

const CSchemeHotspot* CScheme::Hotspot(int number) const {
    int entry = HotspotEntry(number);
    if (entry < 0) {
        PARLEVOX_INTERNAL_ERROR();
        return nullptr;
    }
    return static_cast<const CSchemeHotspot*>(items_.Get(drawOrder_[static_cast<size_t>(entry)]));
}

PixelRect CScheme::HotspotRect(int number, int width, int height) const {
    const CSchemeHotspot* hotspot = Hotspot(number);
    return hotspot ? hotspot->Rect().Evaluate(width, height) : PixelRect{};
}

int CScheme::HotspotAt(int x, int y, int width, int height) const {
    int number = 0;
    for (int position : drawOrder_) {
        const CSchemeItem* item = items_.Get(position);
        if (!IsHotspot(item)) continue;
        if (Contains(static_cast<const CSchemeHotspot*>(item)->Rect().Evaluate(width, height), x, y)) return number;
        ++number;
    }
    return -1;
}

const CSchemeImage* CScheme::HotspotImage(int number, HotspotLook look) const {
    const CSchemeHotspot* hotspot = Hotspot(number);
    return hotspot ? ItemOfKind<CSchemeImage>(hotspot->ImageRef(look)) : nullptr;
}

const CSchemeSound* CScheme::HotspotSound(int number, int event) const {
    const CSchemeHotspot* hotspot = Hotspot(number);
    return hotspot ? ItemOfKind<CSchemeSound>(hotspot->SoundRef(event)) : nullptr;
}

const CSchemeAction* CScheme::HotspotAction(int number) const {
    const CSchemeHotspot* hotspot = Hotspot(number);
    return hotspot ? ItemOfKind<CSchemeAction>(hotspot->ActionRef()) : nullptr;
}

const char* CScheme::HotspotSoundEvent(int event) {
    // Mouse-over, button-down, button-up, as the sound system names them.
    constexpr size_t kEvents[] = {2, 0, 1};
    return event >= 0 && event < CSchemeHotspot::kSoundEventCount ? texts::kSoundEvents[kEvents[event]] : nullptr;
}

void CScheme::PlayHotspotSound(int number, int event, AudioOutput& output, CSoundSystem& sounds) const {
    const char* standIn = HotspotSoundEvent(event);
    if (!standIn) return;
    if (const CSchemeSound* sound = HotspotSound(number, event)) {
        if (sounds.UserEnabled()) sound->Play(output);
        return;
    }
    sounds.Play(standIn);
}

bool CScheme::RunHotspotAction(int number, const ActionContext& context) const {
    const CSchemeAction* action = HotspotAction(number);
    if (!action) return false;
    action->Run(context);
    return true;
}

std::optional<HotspotPicture> CScheme::RenderHotspot(int number, bool pressed, int width, int height) const {
    const CSchemeImage* image = HotspotImage(number, pressed ? HotspotLook::Pressed : HotspotLook::MouseOver);
    if (!image) return std::nullopt;
    PixelRect rect = Intersect(image->Rect().Evaluate(width, height), {0, 0, width, height});
    if (IsEmpty(rect)) return std::nullopt;
    HotspotPicture picture{CRawBitmap::TrueColour(rect.right - rect.left, rect.bottom - rect.top), rect};
    Draw(picture.image, width, height, -rect.left, -rect.top, {number, pressed});
    return picture;
}

}  // namespace parlevox
