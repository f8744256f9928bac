#include "ui/SchemeEditor.h"

#include <algorithm>
#include <functional>

#include "display/SchemeManager.h"

namespace parlevox {

CSchemeEditor::CSchemeEditor(CSchemeManager& schemes, int index, UserInterface& ui)
    : schemes_(schemes), index_(index), ui_(ui), working_(schemes.BeginEdit(index)) {
    if (!working_) working_ = std::make_unique<CScheme>();  // a bad index was reported
}

CSchemeEditor::~CSchemeEditor() {
    if (open_) Cancel();
}

std::string CSchemeEditor::Title() const {
    return schemes_.EditorTitle(index_);
}

void CSchemeEditor::Changed() {
    if (changed_) changed_();
}

int CSchemeEditor::PositionAt(int row) const {
    const std::vector<int>& order = working_->DrawOrder();
    if (row < 0 || static_cast<size_t>(row) >= order.size()) return -1;
    return order[static_cast<size_t>(row)];
}

int CSchemeEditor::RowOf(int position) const {
    const std::vector<int>& order = working_->DrawOrder();
    auto found = std::find(order.begin(), order.end(), position);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

std::vector<SchemeGraphicRow> CSchemeEditor::GraphicRows() const {
    std::vector<SchemeGraphicRow> rows;
    for (int position : working_->DrawOrder()) {
        const CSchemeItem* item = working_->Item(position);
        if (item) rows.push_back({item->Name(), item->Kind(), position});
    }
    return rows;
}

// The new graphic is the last entry of the draw order.
int CSchemeEditor::AddImage() {
    if (Working().AddNewImage() < 0) return -1;
    Changed();
    return static_cast<int>(working_->DrawOrder().size()) - 1;
}

int CSchemeEditor::AddFadebox() {
    if (Working().AddNewFadebox() < 0) return -1;
    Changed();
    return static_cast<int>(working_->DrawOrder().size()) - 1;
}

int CSchemeEditor::AddHotspot() {
    if (Working().AddNewHotspot() < 0) return -1;
    Changed();
    return static_cast<int>(working_->DrawOrder().size()) - 1;
}

bool CSchemeEditor::InUse(int position, int except) const {
    if (RowOf(position) >= 0) return true;
    for (int i = 0; i < working_->ItemCount(); ++i) {
        const auto* hotspot = dynamic_cast<const CSchemeHotspot*>(working_->Item(i));
        if (!hotspot || i == except) continue;
        for (HotspotLook look : {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed})
            if (hotspot->ImageRef(look) == position) return true;
        for (int event = 0; event < CSchemeHotspot::kSoundEventCount; ++event)
            if (hotspot->SoundRef(event) == position) return true;
        if (hotspot->ActionRef() == position) return true;
    }
    return false;
}

void CSchemeEditor::RemoveIfUnused(int position, int except) {
    if (position >= 0 && position < working_->ItemCount() && !InUse(position, except))
        Working().RemoveItem(position);
}

// The model wants the draw-order entries gone before the item. A hot
// spot's images, sounds and action that nothing else uses go with it, the
// highest position first so that the lower ones stay where they are.
void CSchemeEditor::RemoveGraphic(int row) {
    const int position = PositionAt(row);
    if (position < 0) return;
    std::vector<int> companions;
    if (const CSchemeHotspot* hotspot = HotspotAt(row)) {
        for (HotspotLook look : {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed})
            companions.push_back(hotspot->ImageRef(look));
        for (int event = 0; event < CSchemeHotspot::kSoundEventCount; ++event)
            companions.push_back(hotspot->SoundRef(event));
        companions.push_back(hotspot->ActionRef());
    }
    for (int entry = RowOf(position); entry >= 0; entry = RowOf(position)) Working().RemoveDrawOrderEntry(entry);
    Working().RemoveItem(position);
    for (int& companion : companions)
        if (companion == position)
            companion = CSchemeHotspot::kNone;
        else if (companion > position)
            --companion;
    std::sort(companions.begin(), companions.end(), std::greater<>());
    companions.erase(std::unique(companions.begin(), companions.end()), companions.end());
    for (int companion : companions) RemoveIfUnused(companion, -1);
    Changed();
}

int CSchemeEditor::MoveGraphicUp(int row) {
    if (PositionAt(row) < 0 || !Working().MoveDrawOrderEntryUp(row)) return row;
    Changed();
    return row - 1;
}

int CSchemeEditor::MoveGraphicDown(int row) {
    if (PositionAt(row) < 0 || !Working().MoveDrawOrderEntryDown(row)) return row;
    Changed();
    return row + 1;
}

CSchemeImage* CSchemeEditor::ImageAt(int row) const {
    const int position = PositionAt(row);
    return position < 0 ? nullptr : working_->ItemOfKind<CSchemeImage>(position);
}

CSchemeFadebox* CSchemeEditor::FadeboxAt(int row) const {
    const int position = PositionAt(row);
    return position < 0 ? nullptr : working_->ItemOfKind<CSchemeFadebox>(position);
}

CSchemeHotspot* CSchemeEditor::HotspotAt(int row) const {
    const int position = PositionAt(row);
    return position < 0 ? nullptr : working_->ItemOfKind<CSchemeHotspot>(position);
}

std::optional<AnchoredRect> CSchemeEditor::RectAt(int row) const {
    if (const CSchemeImage* image = ImageAt(row)) return image->Rect();
    if (const CSchemeFadebox* fadebox = FadeboxAt(row)) return fadebox->Rect();
    if (const CSchemeHotspot* hotspot = HotspotAt(row)) return hotspot->Rect();
    return std::nullopt;
}

void CSchemeEditor::SetRect(int row, const AnchoredRect& rect) {
    if (CSchemeImage* image = ImageAt(row))
        image->Rect() = rect;
    else if (CSchemeFadebox* fadebox = FadeboxAt(row))
        fadebox->Rect() = rect;
    else if (CSchemeHotspot* hotspot = HotspotAt(row))
        hotspot->Rect() = rect;
    else
        return;
    Changed();
}

void CSchemeEditor::SetFadebox(int row, int opacity, WindowsColour colour) {
    CSchemeFadebox* fadebox = FadeboxAt(row);
    if (!fadebox) return;
    fadebox->SetOpacity(std::clamp(opacity, 0, CSchemeFadebox::kMaxOpacity));
    fadebox->SetColour(colour);
    Changed();
}

void CSchemeEditor::SetColour(int index, WindowsColour colour) {
    if (index < 0 || index >= CScheme::kColourCount) return;
    CScheme::ColourMap colours = working_->Colours();
    colours[static_cast<size_t>(index)] = colour;
    Working().SetColours(colours);
    Changed();
}

void CSchemeEditor::SetBackground(WindowsColour colour) {
    Working().SetBackground(colour);
    Changed();
}

void CSchemeEditor::SetFontFace(std::string_view face) {
    Working().TextFont().SetFace(face);
    Changed();
}

void CSchemeEditor::SetFontSize(int size) {
    Working().TextFont().SetSize(size);
    Changed();
}

void CSchemeEditor::SetSmoothing(bool smoothing) {
    Working().TextFont().SetSmoothing(smoothing);
    Changed();
}

void CSchemeEditor::SetFallback(int fallback) {
    Working().TextFont().SetFallback(fallback);
    Changed();
}

void CSchemeEditor::SetMargins(const TextMargins& margins) {
    Working().SetMargins(margins);
    Changed();
}

UsageListText CSchemeEditor::TextOf(const std::vector<std::string>& list) {
    if (list.size() == 1 && list.front() == "*") return {true, {}};
    UsageListText text{false, {}};
    for (const std::string& word : list) {
        if (!text.names.empty()) text.names += ' ';
        text.names += word;
    }
    return text;
}

std::vector<std::string> CSchemeEditor::ListOf(const UsageListText& text) {
    if (text.all) return {"*"};
    return SchemeUsage::WordsFromText(text.names);
}

SchemeUsageTexts CSchemeEditor::UsageTexts() const {
    const SchemeUsage& usage = working_->Usage();
    return {TextOf(usage.channels), TextOf(usage.privateChats), TextOf(usage.builtInWindows), TextOf(usage.servers)};
}

void CSchemeEditor::SetUsageTexts(const SchemeUsageTexts& texts) {
    Working().SetUsage(
        {ListOf(texts.channels), ListOf(texts.privateChats), ListOf(texts.builtInWindows), ListOf(texts.servers)});
    Changed();
}

void CSchemeEditor::Apply() {
    if (!open_) return;
    if (std::unique_ptr<CScheme> fresh = schemes_.ApplyEdit(index_, *working_)) working_ = std::move(fresh);
    applied_ = true;
    Changed();
}

bool CSchemeEditor::Ok() {
    if (!open_) return true;
    if (schemes_.EndEdit(index_, *working_)) {
        open_ = applied_ = false;
        return true;
    }
    // The copy is in place but not in the file: editing goes on, and so
    // does the manager's editing flag, which EndEdit cleared.
    if (std::unique_ptr<CScheme> fresh = schemes_.BeginEdit(index_)) working_ = std::move(fresh);
    applied_ = true;
    return false;
}

// Apply put the scheme in place for every window: keeping it only until
// the next start would surprise, so it is written as OK would have.
void CSchemeEditor::Cancel() {
    if (!open_) return;
    open_ = false;
    if (!applied_) return schemes_.CancelEdit();
    applied_ = false;
    const CScheme applied = schemes_.SchemeAt(index_);
    schemes_.EndEdit(index_, applied);
}

}  // namespace parlevox
