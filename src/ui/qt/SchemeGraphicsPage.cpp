#include "ui/qt/SchemeGraphicsPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/SchemeEditor.h"
#include "ui/SchemeEditorTexts.h"
#include "ui/qt/AnchoredRectEdit.h"
#include "ui/qt/ColourSwatch.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

enum Panel { kNoPanel, kImagePanel, kFadeboxPanel, kHotspotPanel };
constexpr HotspotLook kLooks[] = {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed};
constexpr const char* kLookLabels[] = {"Normal:", "Mouse over:", "Pressed:"};
constexpr const char* kSoundLabels[] = {"Mouse over:", "Button down:", "Button up:"};

QString KindName(SchemeItemKind kind) {
    switch (kind) {
        case SchemeItemKind::Image: return QObject::tr("image");
        case SchemeItemKind::Fadebox: return QObject::tr("fade box");
        case SchemeItemKind::Hotspot: return QObject::tr("hot spot");
        default: return QObject::tr("other");
    }
}

QString SizeText(const CSchemeImage* image) {
    if (!image) return QObject::tr("none");
    return QObject::tr("%1 x %2 pixels").arg(image->Image().Width()).arg(image->Image().Height());
}

}  // namespace

SchemeGraphicsPage::SchemeGraphicsPage(CSchemeEditor& editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      list_(new QListWidget(this)),
      rect_(new AnchoredRectEdit(this)),
      details_(new QStackedWidget(this)) {
    list_->setObjectName("graphics");
    list_->setToolTip(tr("Drawn from the first to the last: the last one shows on top."));
    connect(list_, &QListWidget::currentRowChanged, this, &SchemeGraphicsPage::ShowDetails);

    rect_->setObjectName("graphicRect");
    connect(rect_, &AnchoredRectEdit::edited, this, [this] { editor_.SetRect(Row(), rect_->Rect()); });
    auto* where = new QGroupBox(tr("Where it goes"), this);
    (new QVBoxLayout(where))->addWidget(rect_);

    details_->addWidget(new QWidget(details_));
    details_->addWidget(MakeImagePanel());
    details_->addWidget(MakeFadeboxPanel());
    details_->addWidget(MakeHotspotPanel());

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(MakeListButtons());
    auto* right = new QVBoxLayout;
    right->addWidget(where);
    right->addWidget(details_);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);
    Load();
}

QWidget* SchemeGraphicsPage::MakeListButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const char* text, const char* name, int row, int column) {
        auto* made = new QPushButton(tr(text), box);
        made->setObjectName(name);
        grid->addWidget(made, row, column);
        return made;
    };
    connect(button("Add &image", "addImage", 0, 0), &QPushButton::clicked, this, [this] { Add(editor_.AddImage()); });
    connect(button("Add &fade box", "addFadebox", 0, 1), &QPushButton::clicked, this,
            [this] { Add(editor_.AddFadebox()); });
    connect(button("Add &hot spot", "addHotspot", 0, 2), &QPushButton::clicked, this,
            [this] { Add(editor_.AddHotspot()); });
    remove_ = button("&Remove", "removeGraphic", 1, 0);
    up_ = button("&Up", "graphicUp", 1, 1);
    down_ = button("&Down", "graphicDown", 1, 2);
    connect(remove_, &QPushButton::clicked, this, &SchemeGraphicsPage::Remove);
    connect(up_, &QPushButton::clicked, this, [this] { Move(editor_.MoveGraphicUp(Row())); });
    connect(down_, &QPushButton::clicked, this, [this] { Move(editor_.MoveGraphicDown(Row())); });
    return box;
}

QWidget* SchemeGraphicsPage::MakeImagePanel() {
    auto* panel = new QGroupBox(tr("Picture"), details_);
    auto* form = new QFormLayout(panel);
    imageSize_ = new QLabel(panel);
    imageSize_->setObjectName("imageSize");
    auto* load = new QPushButton(tr("&Load picture..."), panel);
    load->setObjectName("loadPicture");
    connect(load, &QPushButton::clicked, this, [this] {
        if (editor_.ImportImage(Row())) ShowDetails();
    });
    form->addRow(tr("Size:"), imageSize_);
    form->addRow(QString(), load);
    return panel;
}

QWidget* SchemeGraphicsPage::MakeFadeboxPanel() {
    auto* panel = new QGroupBox(tr("Fade box"), details_);
    auto* form = new QFormLayout(panel);
    opacity_ = new QSpinBox(panel);
    opacity_->setObjectName("opacity");
    opacity_->setRange(0, CSchemeFadebox::kMaxOpacity);
    opacity_->setToolTip(tr("0 leaves what is beneath, 256 paints the colour solid."));
    fadeColour_ = new ColourSwatch(tr("Choose..."), panel);
    fadeColour_->setObjectName("fadeColour");
    connect(opacity_, &QSpinBox::valueChanged, this,
            [this](int opacity) { editor_.SetFadebox(Row(), opacity, fadeColour_->Colour()); });
    connect(fadeColour_, &QPushButton::clicked, this, [this] {
        if (fadeColour_->Pick(tr("Fade box colour"))) editor_.SetFadebox(Row(), opacity_->value(), fadeColour_->Colour());
    });
    form->addRow(tr("&Opacity (0-256):"), opacity_);
    form->addRow(tr("&Colour:"), fadeColour_);
    return panel;
}

QWidget* SchemeGraphicsPage::MakeHotspotPanel() {
    auto* panel = new QWidget(details_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* pictures = new QGroupBox(tr("Pictures"), panel);
    auto* grid = new QGridLayout(pictures);
    for (int look = 0; look < 3; ++look) {
        lookSizes_[look] = new QLabel(pictures);
        lookSizes_[look]->setObjectName(QString("lookSize%1").arg(look));
        auto* load = new QPushButton(tr("Load..."), pictures);
        load->setObjectName(QString("loadLook%1").arg(look));
        connect(load, &QPushButton::clicked, this, [this, look] {
            if (editor_.ImportImage(Row(), kLooks[look])) ShowDetails();
        });
        grid->addWidget(new QLabel(tr(kLookLabels[look]), pictures), look, 0);
        grid->addWidget(lookSizes_[look], look, 1);
        grid->addWidget(load, look, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(pictures);
    layout->addWidget(MakeHotspotSounds());

    auto* action = new QGroupBox(tr("When clicked"), panel);
    auto* row = new QHBoxLayout(action);
    actionKind_ = new QComboBox(action);
    actionKind_->setObjectName("actionKind");
    for (const char* kind : {texts::kNoAction, texts::kUrlAction, texts::kCommandAction}) actionKind_->addItem(tr(kind));
    actionText_ = new QLineEdit(action);
    actionText_->setObjectName("actionText");
    connect(actionKind_, &QComboBox::currentIndexChanged, this, &SchemeGraphicsPage::ActionEdited);
    connect(actionText_, &QLineEdit::textEdited, this, &SchemeGraphicsPage::ActionEdited);
    row->addWidget(actionKind_);
    row->addWidget(actionText_, 1);
    layout->addWidget(action);
    return panel;
}

QWidget* SchemeGraphicsPage::MakeHotspotSounds() {
    auto* sounds = new QGroupBox(tr("Sounds"), this);
    auto* grid = new QGridLayout(sounds);
    for (int event = 0; event < 3; ++event) {
        soundNames_[event] = new QLabel(sounds);
        soundNames_[event]->setObjectName(QString("sound%1").arg(event));
        auto* choose = new QPushButton(tr("Choose..."), sounds);
        choose->setObjectName(QString("chooseSound%1").arg(event));
        noSound_[event] = new QPushButton(tr("None"), sounds);
        noSound_[event]->setObjectName(QString("noSound%1").arg(event));
        connect(choose, &QPushButton::clicked, this, [this, event] {
            if (editor_.ChooseHotspotSound(Row(), event)) ShowHotspot(Row());
        });
        connect(noSound_[event], &QPushButton::clicked, this, [this, event] {
            editor_.ClearHotspotSound(Row(), event);
            ShowHotspot(Row());
        });
        grid->addWidget(new QLabel(tr(kSoundLabels[event]), sounds), event, 0);
        grid->addWidget(soundNames_[event], event, 1);
        grid->addWidget(choose, event, 2);
        grid->addWidget(noSound_[event], event, 3);
    }
    grid->setColumnStretch(1, 1);
    return sounds;
}

int SchemeGraphicsPage::Row() const {
    return list_->currentRow();
}

void SchemeGraphicsPage::Load() {
    FillList(std::max(Row(), 0));
}

void SchemeGraphicsPage::FillList(int row) {
    {
        QSignalBlocker block(list_);
        list_->clear();
        for (const SchemeGraphicRow& graphic : editor_.GraphicRows())
            list_->addItem(QString("%1  (%2)").arg(ToQString(graphic.name), KindName(graphic.kind)));
        list_->setCurrentRow(std::min(row, list_->count() - 1));
    }
    ShowDetails();
}

void SchemeGraphicsPage::ShowDetails() {
    const int row = Row();
    remove_->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < list_->count());
    const std::optional<AnchoredRect> rect = editor_.RectAt(row);
    rect_->setEnabled(rect.has_value());
    rect_->SetRect(rect.value_or(AnchoredRect{}));
    if (const CSchemeImage* image = editor_.ImageAt(row)) {
        imageSize_->setText(SizeText(image));
        details_->setCurrentIndex(kImagePanel);
    } else if (const CSchemeFadebox* fadebox = editor_.FadeboxAt(row)) {
        QSignalBlocker block(opacity_);
        opacity_->setValue(fadebox->Opacity());
        fadeColour_->SetColour(fadebox->Colour());
        details_->setCurrentIndex(kFadeboxPanel);
    } else if (editor_.HotspotAt(row)) {
        ShowHotspot(row);
        details_->setCurrentIndex(kHotspotPanel);
    } else {
        details_->setCurrentIndex(kNoPanel);
    }
}

void SchemeGraphicsPage::ShowHotspot(int row) {
    for (int look = 0; look < 3; ++look) lookSizes_[look]->setText(SizeText(editor_.HotspotImage(row, kLooks[look])));
    for (int event = 0; event < 3; ++event) {
        const std::string name = editor_.HotspotSoundName(row, event);
        soundNames_[event]->setText(name.empty() ? tr("the built-in sound") : ToQString(name));
        noSound_[event]->setEnabled(!name.empty());
    }
    const HotspotActionText action = editor_.HotspotAction(row);
    const QSignalBlocker blocks[] = {QSignalBlocker(actionKind_), QSignalBlocker(actionText_)};
    actionKind_->setCurrentIndex(static_cast<int>(action.kind));
    actionText_->setText(ToQString(action.text));
    actionText_->setEnabled(action.kind != HotspotActionKind::None);
    rect_->SetRect(editor_.RectAt(row).value_or(AnchoredRect{}));  // a picture may have sized it
}

void SchemeGraphicsPage::ActionEdited() {
    const auto kind = static_cast<HotspotActionKind>(actionKind_->currentIndex());
    actionText_->setEnabled(kind != HotspotActionKind::None);
    editor_.SetHotspotAction(Row(), kind, ToBytes(actionText_->text()));
}

void SchemeGraphicsPage::Add(int row) {
    if (row >= 0) FillList(row);
}

void SchemeGraphicsPage::Remove() {
    const int row = Row();
    editor_.RemoveGraphic(row);
    FillList(row);
}

void SchemeGraphicsPage::Move(int row) {
    FillList(row);
    list_->setFocus();
}

}  // namespace parlevox
