#include "display/SchemeFont.h"

#include "display/SchemeTexts.h"

namespace parlevox {

CSchemeFont::CSchemeFont(std::string_view name) : CSchemeItem(name), face_(texts::kDefaultFontFace) {}

void CSchemeFont::SetFace(std::string_view face) {
    std::string cut(face.substr(0, kMaxFaceLength));
    if (cut != face_) glyphs_.reset();
    face_ = std::move(cut);
}

void CSchemeFont::SetSize(int size) {
    if (size != size_) glyphs_.reset();
    size_ = size;
}

void CSchemeFont::SetSmoothing(bool smoothing) {
    if (smoothing != smoothing_) glyphs_.reset();
    smoothing_ = smoothing;
}

void CSchemeFont::CopySettings(const CSchemeFont& other) {
    SetFace(other.face_);
    SetSize(other.size_);
    SetSmoothing(other.smoothing_);
    fallback_ = other.fallback_;
}

const SchemeFontGlyphs& CSchemeFont::Glyphs() const {
    return *SharedGlyphs();
}

std::shared_ptr<const SchemeFontGlyphs> CSchemeFont::SharedGlyphs() const {
    if (!glyphs_) glyphs_ = SchemeFontGlyphs::Get(face_, size_, smoothing_);
    return glyphs_;
}

}  // namespace parlevox
