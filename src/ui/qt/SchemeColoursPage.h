#pragma once
// The scheme editor's Colours page: the sixteen colours text colour codes
// stand for, and the background, each a swatch that opens QColorDialog.
#include <QWidget>
#include <array>

#include "display/Scheme.h"

namespace parlevox {

class CSchemeEditor;
class ColourSwatch;

class SchemeColoursPage final : public QWidget {
    Q_OBJECT

public:
    explicit SchemeColoursPage(CSchemeEditor& editor, QWidget* parent = nullptr);

    void Load();
    ColourSwatch& Swatch(int index) const { return *swatches_[static_cast<size_t>(index)]; }
    ColourSwatch& Background() const { return *background_; }

private:
    void Pick(int index);

    CSchemeEditor& editor_;
    std::array<ColourSwatch*, CScheme::kColourCount> swatches_{};
    ColourSwatch* background_;
};

}  // namespace parlevox
