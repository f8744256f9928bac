#include "display/Scheme.h"

#include <fmt/printf.h>

#include "common/InternalErrorReport.h"
#include "display/SchemeCompositing.h"
#include "display/SchemeTexts.h"
#include "display/SoundSystem.h"
#include "platform/Clock.h"

namespace parlevox {

const CScheme::ColourMap CScheme::kDefaultColourMap = {
    RgbColour(255, 255, 255), RgbColour(0, 0, 0),       RgbColour(0, 0, 127),     RgbColour(0, 147, 0),
    RgbColour(252, 0, 0),     RgbColour(127, 0, 0),     RgbColour(156, 0, 156),   RgbColour(252, 127, 0),
    RgbColour(252, 252, 0),   RgbColour(0, 252, 0),     RgbColour(0, 147, 147),   RgbColour(0, 252, 252),
    RgbColour(0, 0, 252),     RgbColour(252, 0, 252),   RgbColour(127, 127, 127), RgbColour(210, 210, 210),
};

CScheme::CScheme() : textFont_(texts::kTextFontName) {}

CScheme::CScheme(const CScheme& other) : textFont_(texts::kTextFontName) {
    *this = other;
}

CScheme& CScheme::operator=(const CScheme& other) {
    if (this == &other) return *this;
    items_.Clear();
    for (const auto& item : other.items_) items_.Append(item->Clone());
    AdoptItems();
    drawOrder_ = other.drawOrder_;
    colours_ = other.colours_;
    margins_ = other.margins_;
    textFont_.SetName(other.textFont_.Name());
    textFont_.CopySettings(other.textFont_);
    usage_ = other.usage_;
    background_ = other.background_;
    return *this;
}

CScheme::CScheme(CScheme&& other) : textFont_(texts::kTextFontName) {
    *this = std::move(other);
}

CScheme& CScheme::operator=(CScheme&& other) {
    if (this == &other) return *this;
    items_ = std::move(other.items_);
    AdoptItems();
    drawOrder_ = std::move(other.drawOrder_);
    colours_ = other.colours_;
    margins_ = other.margins_;
    textFont_.SetName(other.textFont_.Name());
    textFont_.CopySettings(other.textFont_);
    usage_ = std::move(other.usage_);
    background_ = other.background_;
    return *this;
}

CScheme::~CScheme() = default;

void CScheme::AdoptItems() {
    for (const auto& item : items_) item->SetOwner(this);
}

CSchemeItem* CScheme::Item(int position) const {
    return items_.Get(position);
}

int CScheme::Find(std::string_view name) const {
    for (int i = 0; i < items_.Length(); ++i)
        if (items_.Get(i)->Name() == name) return i;
    return -1;
}

int CScheme::AddItem(std::unique_ptr<CSchemeItem> item) {
    if (!item || items_.Length() >= kMaxItems) {
        PARLEVOX_INTERNAL_ERROR();
        return -1;
    }
    items_.Append(std::move(item))->SetOwner(this);
    return items_.Length() - 1;
}

void CScheme::RemoveItem(int position) {
    if (!items_.Take(position)) return;  // reported by the array
    for (const auto& item : items_)
        if (auto* hotspot = dynamic_cast<CSchemeHotspot*>(item.get())) hotspot->ItemRemoved(position);
    bool leftBehind = std::erase(drawOrder_, position) > 0;
    for (int& entry : drawOrder_)
        if (entry > position) --entry;
    if (leftBehind) PARLEVOX_INTERNAL_ERROR();
}

std::string CScheme::NewItemName(const char* format, uint32_t seconds, uint32_t tick) {
    return fmt::sprintf(format, seconds, tick);
}

std::string CScheme::UniqueNewName(const char* format) const {
    auto seconds = static_cast<uint32_t>(Clock::Now());
    auto tick = static_cast<uint32_t>(Clock::TickCount());
    auto taken = [this](const std::string& name) {
        if (Find(name) >= 0) return true;
        for (const char* suffix : texts::kHotspotCompanionSuffixes)
            if (Find(name + suffix) >= 0) return true;
        return false;
    };
    std::string name = NewItemName(format, seconds, tick);
    while (taken(name)) name = NewItemName(format, seconds, ++tick);
    return name;
}

int CScheme::AddNewItem(std::unique_ptr<CSchemeItem> item) {
    if (items_.Length() >= kMaxItems || drawOrder_.size() >= static_cast<size_t>(kMaxDrawOrder)) {
        PARLEVOX_INTERNAL_ERROR();
        return -1;
    }
    int position = AddItem(std::move(item));
    drawOrder_.push_back(position);
    return position;
}

int CScheme::AddNewImage() {
    return AddNewItem(std::make_unique<CSchemeImage>(UniqueNewName(texts::kNewImageName)));
}

int CScheme::AddNewFadebox() {
    return AddNewItem(std::make_unique<CSchemeFadebox>(UniqueNewName(texts::kNewShapeName)));
}

int CScheme::AddNewHotspot() {
    constexpr int kCompanions = 4;
    if (items_.Length() > kMaxItems - kCompanions - 1 || drawOrder_.size() >= static_cast<size_t>(kMaxDrawOrder)) {
        PARLEVOX_INTERNAL_ERROR();
        return -1;
    }
    std::string name = UniqueNewName(texts::kNewShapeName);
    auto hotspot = std::make_unique<CSchemeHotspot>(name);
    const char* const* suffix = texts::kHotspotCompanionSuffixes;
    for (HotspotLook look : {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed})
        hotspot->SetImageRef(look, AddItem(std::make_unique<CSchemeImage>(name + *suffix++)));
    hotspot->SetActionRef(AddItem(std::make_unique<CSchemeURL>(name + *suffix)));
    return AddNewItem(std::move(hotspot));
}

bool CScheme::AppendToDrawOrder(int position) {
    if (position < 0 || position >= items_.Length() || drawOrder_.size() >= static_cast<size_t>(kMaxDrawOrder)) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    drawOrder_.push_back(position);
    return true;
}

void CScheme::RemoveDrawOrderEntry(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= drawOrder_.size()) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    drawOrder_.erase(drawOrder_.begin() + entry);
}

bool CScheme::MoveDrawOrderEntryUp(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= drawOrder_.size()) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    if (entry == 0) return false;
    std::swap(drawOrder_[static_cast<size_t>(entry)], drawOrder_[static_cast<size_t>(entry) - 1]);
    return true;
}

bool CScheme::MoveDrawOrderEntryDown(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= drawOrder_.size()) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    if (static_cast<size_t>(entry) + 1 == drawOrder_.size()) return false;
    return MoveDrawOrderEntryUp(entry + 1);
}

void CScheme::Draw(CRawBitmap& image, int width, int height, int offsetX, int offsetY, HotspotState state) const {
    FillImage(image, ToBgr(background_));
    const SchemeDrawArea area{width, height, offsetX, offsetY};
    int hotspotNumber = 0;
    for (int position : drawOrder_) {
        const auto* drawable = dynamic_cast<const CSchemeDrawable*>(items_.Get(position));
        if (!drawable) continue;
        HotspotLook look = HotspotLook::Normal;
        if (drawable->Kind() == SchemeItemKind::Hotspot && hotspotNumber++ == state.number)
            look = state.pressed ? HotspotLook::Pressed : HotspotLook::MouseOver;
        drawable->Draw(image, area, look);
    }
}

}  // namespace parlevox
