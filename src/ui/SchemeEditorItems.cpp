// The editor's pictures, hot spot sounds and hot spot actions.
#include <charconv>

#include "common/TextError.h"
#include "display/ImageTexts.h"
#include "display/SchemeFile.h"
#include "display/SchemeImageImport.h"
#include "display/SchemeTexts.h"
#include "platform/UserInterface.h"
#include "ui/SchemeEditor.h"
#include "ui/SchemeEditorTexts.h"

namespace parlevox {
namespace {

const char* ImageSuffix(HotspotLook look) {
    return texts::kHotspotCompanionSuffixes[static_cast<size_t>(look)];
}
constexpr const char* kActionSuffix = texts::kHotspotCompanionSuffixes[3];

// A raw image's side as typed; 0 (which the import refuses with its own
// box) for anything but a number.
int ParseSide(const std::string& text) {
    int side = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
    return error == std::errc() && end == text.data() + text.size() ? side : 0;
}

}  // namespace

CSchemeImage* CSchemeEditor::HotspotImage(int row, HotspotLook look) const {
    const CSchemeHotspot* hotspot = HotspotAt(row);
    return hotspot ? working_->ItemOfKind<CSchemeImage>(hotspot->ImageRef(look)) : nullptr;
}

// A hot spot without an image for the look gets a new one, named after it
// as a new hot spot's images are.
CSchemeImage* CSchemeEditor::ImageForImport(int row, HotspotLook look, bool& made) {
    made = false;
    if (CSchemeImage* image = ImageAt(row)) return image;
    CSchemeHotspot* hotspot = HotspotAt(row);
    if (!hotspot) return nullptr;
    if (auto* image = working_->ItemOfKind<CSchemeImage>(hotspot->ImageRef(look))) return image;
    const int position = Working().AddItem(std::make_unique<CSchemeImage>(hotspot->Name() + ImageSuffix(look)));
    if (position < 0) return nullptr;
    hotspot->SetImageRef(look, position);
    made = true;
    return working_->ItemOfKind<CSchemeImage>(position);
}

// The picture shows where the hot spot is: a fixed-size hot spot takes its
// normal picture's size, and each picture starts at the hot spot.
void CSchemeEditor::PlaceHotspotImage(int row, HotspotLook look) {
    CSchemeHotspot* hotspot = HotspotAt(row);
    auto* image = working_->ItemOfKind<CSchemeImage>(hotspot->ImageRef(look));
    if (look == HotspotLook::Normal) hotspot->Rect().FitFixedSize(image->Image().Width(), image->Image().Height());
    image->Rect() = hotspot->Rect();
    image->FitRectToImage();
}

bool CSchemeEditor::ImportImage(int row, HotspotLook look, ImageSource source, const std::string& path, int width,
                                int height) {
    bool made = false;
    CSchemeImage* image = ImageForImport(row, look, made);
    if (!image) return false;
    bool loaded = false;
    switch (source) {
        case ImageSource::SolidBitmap: loaded = SchemeImageImport::LoadSolidBitmap(ui_, path, *image); break;
        case ImageSource::TransparencyBitmap:
            loaded = SchemeImageImport::LoadTransparencyBitmap(ui_, path, *image);
            break;
        case ImageSource::RawImage: loaded = SchemeImageImport::LoadRawImage(ui_, path, width, height, *image); break;
    }
    if (!loaded) {
        if (made) {
            const int position = HotspotAt(row)->ImageRef(look);
            HotspotAt(row)->SetImageRef(look, CSchemeHotspot::kNone);
            Working().RemoveItem(position);
        }
        return false;
    }
    if (HotspotAt(row)) PlaceHotspotImage(row, look);
    Changed();
    return true;
}

std::optional<std::string> CSchemeEditor::AskImagePath(ImageSource source, int& width, int& height) {
    switch (source) {
        case ImageSource::SolidBitmap: return ui_.ChooseOpenFile(texts::kSolidBitmapTitle, texts::kSolidBitmapFilter);
        case ImageSource::TransparencyBitmap:
            return ui_.ChooseOpenFile(texts::kTransparencyBitmapTitle, texts::kTransparencyBitmapFilter);
        case ImageSource::RawImage: break;
    }
    // The size comes first: the file is checked against it.
    std::optional<std::string> widthText = ui_.PromptText(texts::kRawWidthPrompt, texts::kRawImageTitle, {});
    if (!widthText) return std::nullopt;
    std::optional<std::string> heightText = ui_.PromptText(texts::kRawHeightPrompt, texts::kRawImageTitle, {});
    if (!heightText) return std::nullopt;
    width = ParseSide(*widthText);
    height = ParseSide(*heightText);
    return ui_.ChooseOpenFile(texts::kRawImageTitle, texts::kRawImageFilter);
}

bool CSchemeEditor::ImportImage(int row, HotspotLook look) {
    if (!ImageAt(row) && !HotspotAt(row)) return false;
    ChoiceRequest request{texts::kSchemeImageChoiceTitle, texts::kSchemeImageChoiceText, {}, 0};
    for (const char* source : texts::kImageSources) request.choices.push_back({{}, source});
    std::optional<int> choice = ui_.ChooseOption(request);
    if (!choice || *choice < 0 || *choice >= static_cast<int>(texts::kImageSources.size())) return false;
    const auto source = static_cast<ImageSource>(*choice);
    int width = 0, height = 0;
    std::optional<std::string> path = AskImagePath(source, width, height);
    return path && ImportImage(row, look, source, *path, width, height);
}

// A sound already in the scheme with the same name and wave is shared.
int CSchemeEditor::AddSoundItem(const std::string& wavePath) {
    std::optional<CSchemeSound> sound;
    try {
        sound.emplace(LoadSchemeSound(wavePath));
    } catch (const TextError& error) {
        ui_.ShowMessageBox({texts::kSchemeSoundErrorTitle, error.Text(), MessageIcon::Exclamation, MessageButtons::Ok});
        return -1;
    }
    const int same = working_->Find(sound->Name());
    if (const auto* existing = same >= 0 ? working_->ItemOfKind<CSchemeSound>(same) : nullptr)
        if (existing->Wave() == sound->Wave()) return same;
    return Working().AddItem(std::make_unique<CSchemeSound>(*sound));
}

bool CSchemeEditor::SetHotspotSound(int row, int event, const std::string& wavePath) {
    if (!HotspotAt(row) || event < 0 || event >= CSchemeHotspot::kSoundEventCount) return false;
    const int position = AddSoundItem(wavePath);
    if (position < 0) return false;
    CSchemeHotspot* hotspot = HotspotAt(row);
    const int old = hotspot->SoundRef(event);
    hotspot->SetSoundRef(event, position);
    if (old != position) RemoveIfUnused(old, -1);
    Changed();
    return true;
}

bool CSchemeEditor::ChooseHotspotSound(int row, int event) {
    if (!HotspotAt(row)) return false;
    std::optional<std::string> path = ui_.ChooseOpenFile(texts::kSchemeSoundTitle, texts::kSchemeSoundFilter);
    return path && SetHotspotSound(row, event, *path);
}

void CSchemeEditor::ClearHotspotSound(int row, int event) {
    CSchemeHotspot* hotspot = HotspotAt(row);
    if (!hotspot || hotspot->SoundRef(event) < 0) return;
    const int old = hotspot->SoundRef(event);
    hotspot->SetSoundRef(event, CSchemeHotspot::kNone);
    RemoveIfUnused(old, -1);
    Changed();
}

std::string CSchemeEditor::HotspotSoundName(int row, int event) const {
    const CSchemeHotspot* hotspot = HotspotAt(row);
    const CSchemeSound* sound = hotspot ? working_->ItemOfKind<CSchemeSound>(hotspot->SoundRef(event)) : nullptr;
    return sound ? sound->Name() : std::string();
}

HotspotActionText CSchemeEditor::HotspotAction(int row) const {
    const CSchemeHotspot* hotspot = HotspotAt(row);
    const CSchemeItem* item = hotspot && hotspot->ActionRef() >= 0 ? working_->Item(hotspot->ActionRef()) : nullptr;
    if (const auto* url = dynamic_cast<const CSchemeURL*>(item)) return {HotspotActionKind::Url, url->Text()};
    if (const auto* command = dynamic_cast<const CSchemeCommand*>(item))
        return {HotspotActionKind::Command, command->Text()};
    return {};
}

// The action item changes in place while it is the hot spot's alone and of
// the kind wanted; otherwise the hot spot gets a new one.
void CSchemeEditor::SetHotspotAction(int row, HotspotActionKind kind, std::string text) {
    CSchemeHotspot* hotspot = HotspotAt(row);
    if (!hotspot) return;
    const int old = hotspot->ActionRef();
    auto* action = working_->ItemOfKind<CSchemeAction>(old);
    if (kind != HotspotActionKind::None && action && HotspotAction(row).kind == kind && !InUse(old, PositionAt(row))) {
        action->SetText(std::move(text));
        return Changed();
    }
    int position = CSchemeHotspot::kNone;
    if (kind != HotspotActionKind::None) {
        const std::string name = hotspot->Name() + kActionSuffix;
        std::unique_ptr<CSchemeItem> item;
        if (kind == HotspotActionKind::Url)
            item = std::make_unique<CSchemeURL>(name, std::move(text));
        else
            item = std::make_unique<CSchemeCommand>(name, std::move(text));
        position = Working().AddItem(std::move(item));
        if (position < 0) return;
    }
    hotspot->SetActionRef(position);
    RemoveIfUnused(old, -1);
    Changed();
}

}  // namespace parlevox
