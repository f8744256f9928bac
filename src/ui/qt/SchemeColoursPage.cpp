#include "ui/qt/SchemeColoursPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/SchemeEditor.h"
#include "ui/qt/ColourSwatch.h"

namespace parlevox {

SchemeColoursPage::SchemeColoursPage(CSchemeEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    auto* map = new QGroupBox(tr("Text colours (the numbers of colour codes)"), this);
    auto* grid = new QGridLayout(map);
    constexpr int kColumns = 4;
    for (int index = 0; index < CScheme::kColourCount; ++index) {
        auto* swatch = new ColourSwatch(QString::number(index), map);
        swatch->setObjectName(QString("colour%1").arg(index));
        connect(swatch, &QPushButton::clicked, this, [this, index] { Pick(index); });
        swatches_[static_cast<size_t>(index)] = swatch;
        grid->addWidget(swatch, index / kColumns, index % kColumns);
    }

    background_ = new ColourSwatch(tr("&Background"), this);
    background_->setObjectName("background");
    connect(background_, &QPushButton::clicked, this, [this] {
        if (std::optional<WindowsColour> colour = background_->Pick(tr("Background colour")))
            editor_.SetBackground(*colour);
    });
    auto* note = new QLabel(tr("The background shows wherever no image or fade box covers the window."), this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(map);
    layout->addWidget(background_, 0, Qt::AlignLeft);
    layout->addWidget(note);
    layout->addStretch(1);
    Load();
}

void SchemeColoursPage::Load() {
    const CScheme& scheme = editor_.Scheme();
    for (int index = 0; index < CScheme::kColourCount; ++index)
        swatches_[static_cast<size_t>(index)]->SetColour(scheme.Colours()[static_cast<size_t>(index)]);
    background_->SetColour(scheme.Background());
}

void SchemeColoursPage::Pick(int index) {
    ColourSwatch& swatch = *swatches_[static_cast<size_t>(index)];
    if (std::optional<WindowsColour> colour = swatch.Pick(tr("Colour %1").arg(index))) editor_.SetColour(index, *colour);
}

}  // namespace parlevox
