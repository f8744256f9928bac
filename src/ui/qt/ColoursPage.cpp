#include "ui/qt/ColoursPage.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>

#include "display/Scheme.h"
#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

QIcon Swatch(WindowsColour colour) {
    QPixmap pixmap(28, 14);
    pixmap.fill(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    // A frame, so that a colour like the background still shows.
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

}  // namespace

ColoursPage::ColoursPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    static_assert(kSlots == OptionsRecord::Colours::kSlots && kSlots == CScheme::kColourCount);
    // Two columns of eight: slot, colour.
    auto* grid = new QGridLayout;
    AddContent(grid);
    for (int slot = 0; slot < kSlots; ++slot) {
        choices_[slot] = MakeColourChoice(slot);
        auto* label = new QLabel(tr(texts::kColourSlotRoles[slot]) + ':', this);
        label->setBuddy(choices_[slot]);
        const int row = slot % 8, column = slot / 8 * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(choices_[slot], row, column + 1);
    }

    OptionsRecord::Colours& colours = Context().options.colours;
    QFormLayout* form = AddForm();
    highlight_ = AddText(form, "Words to &highlight:", colours.highlight);
    highlight_->setObjectName("highlight");
    highlight_->setToolTip(tr("Lines with these words (separated by blanks) show in the highlight colour."));

    fontName_ = new QComboBox(this);
    fontName_->setObjectName("fontName");
    fontName_->setEditable(true);
    fontName_->addItems(QFontDatabase::families());
    form->addRow(tr("&Font:"), fontName_);
    connect(fontName_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        std::string name = ToBytes(text.trimmed());
        OptionsRecord::Colours& colours = Context().options.colours;
        if (name.empty() || name == colours.fontName) return;
        colours.fontName = std::move(name);
        OptionsChanged();
    });

    fontSize_ = new QSpinBox(this);
    fontSize_->setObjectName("fontSize");
    fontSize_->setRange(4, 72);
    form->addRow(tr("Font si&ze:"), fontSize_);
    connect(fontSize_, &QSpinBox::valueChanged, this, [this](int size) {
        Context().options.colours.fontSize = size;
        OptionsChanged();
    });
}

// The slot's value is an index into the scheme's colour map.
QComboBox* ColoursPage::MakeColourChoice(int slot) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString("colour%1").arg(slot + 1));
    const CScheme::ColourMap& map = Context().scheme.Colours();
    for (int index = 0; index < CScheme::kColourCount; ++index)
        combo->addItem(Swatch(map[static_cast<size_t>(index)]), QString::number(index));
    connect(combo, &QComboBox::currentIndexChanged, this, [this, slot](int index) {
        if (index < 0) return;
        Context().options.colours.values[static_cast<size_t>(slot)] = index;
        OptionsChanged();
    });
    return combo;
}

void ColoursPage::Load() {
    const OptionsRecord::Colours& colours = Context().options.colours;
    for (int slot = 0; slot < kSlots; ++slot) {
        const int value = colours.values[static_cast<size_t>(slot)];
        QSignalBlocker block(choices_[slot]);
        // A stored value past the map is shown as no choice until one is made.
        choices_[slot]->setCurrentIndex(value >= 0 && value < CScheme::kColourCount ? value : -1);
    }
    const QSignalBlocker blocks[] = {QSignalBlocker(highlight_), QSignalBlocker(fontName_),
                                     QSignalBlocker(fontSize_)};
    highlight_->setText(ToQString(colours.highlight));
    fontName_->setCurrentText(ToQString(colours.fontName));
    fontSize_->setValue(colours.fontSize);
    ClearProblem();
}

}  // namespace parlevox
