#pragma once
// A scheme's font: face, size (character height in pixels), smoothing and
// the fallback choice the editor keeps (stored only). Its five fonts and
// their glyphs are made at first use after the face, size or smoothing
// changed, and shared with every font item of the same description.
#include <memory>
#include <string>

#include "display/SchemeFontGlyphs.h"
#include "display/SchemeItems.h"

namespace parlevox {

class CSchemeFont final : public CSchemeItem {
public:
    static constexpr size_t kMaxFaceLength = 32;
    static constexpr int kDefaultSize = 15;
    static constexpr int kDefaultFallback = 1;

    // The default text font: "Arial", 15, not smoothed, fallback 1.
    explicit CSchemeFont(std::string_view name = {});
    SchemeItemKind Kind() const override { return SchemeItemKind::Font; }
    const char* RecordType() const override { return "FONT"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeFont>(*this); }

    const std::string& Face() const { return face_; }
    int Size() const { return size_; }
    bool Smoothing() const { return smoothing_; }
    int Fallback() const { return fallback_; }
    // Longer faces are cut to kMaxFaceLength characters.
    void SetFace(std::string_view face);
    void SetSize(int size);
    void SetSmoothing(bool smoothing);
    void SetFallback(int fallback) { fallback_ = fallback; }
    // Face, size, smoothing and fallback of another font item.
    void CopySettings(const CSchemeFont& other);

    const SchemeFontGlyphs& Glyphs() const;
    std::shared_ptr<const SchemeFontGlyphs> SharedGlyphs() const;

private:
    std::string face_;
    int size_ = kDefaultSize;
    bool smoothing_ = false;
    int fallback_ = kDefaultFallback;
    mutable std::shared_ptr<const SchemeFontGlyphs> glyphs_;
};

}  // namespace parlevox
