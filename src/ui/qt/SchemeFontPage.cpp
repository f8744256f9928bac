#include "ui/qt/SchemeFontPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "display/SchemeFont.h"
#include "ui/SchemeEditor.h"
#include "ui/SchemeEditorTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

SchemeFontPage::SchemeFontPage(CSchemeEditor& editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      face_(new QComboBox(this)),
      size_(new QSpinBox(this)),
      smooth_(new QCheckBox(tr(texts::kAntialias), this)),
      fallback_(new QComboBox(this)) {
    face_->setObjectName("fontFace");
    face_->setEditable(true);
    face_->addItems(QFontDatabase::families());
    face_->lineEdit()->setMaxLength(static_cast<int>(CSchemeFont::kMaxFaceLength));
    connect(face_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        const std::string face = ToBytes(text.trimmed());
        if (!face.empty() && face != editor_.Scheme().TextFont().Face()) editor_.SetFontFace(face);
    });
    size_->setObjectName("fontSize");
    size_->setRange(kMinSize, kMaxSize);
    size_->setSuffix(tr(" pixels"));
    connect(size_, &QSpinBox::valueChanged, this, [this](int size) { editor_.SetFontSize(size); });
    smooth_->setObjectName("smooth");
    connect(smooth_, &QCheckBox::toggled, this, [this](bool on) { editor_.SetSmoothing(on); });
    fallback_->setObjectName("fallback");
    for (const char* choice : texts::kFontFallbacks) fallback_->addItem(tr(choice));
    connect(fallback_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        if (choice >= 0) editor_.SetFallback(choice);
    });

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("&Font:"), face_);
    form->addRow(tr("&Size:"), size_);
    form->addRow(QString(), smooth_);
    auto* fallbackLabel = new QLabel(tr(texts::kFontFallback), this);
    fallbackLabel->setBuddy(fallback_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fallbackLabel);
    layout->addWidget(fallback_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    Load();
}

void SchemeFontPage::Load() {
    const CSchemeFont& font = editor_.Scheme().TextFont();
    const QSignalBlocker blocks[] = {QSignalBlocker(face_), QSignalBlocker(size_), QSignalBlocker(smooth_),
                                     QSignalBlocker(fallback_)};
    face_->setCurrentText(ToQString(font.Face()));
    size_->setValue(font.Size());
    smooth_->setChecked(font.Smoothing());
    // A number this editor has no words for shows as no choice.
    const int fallback = font.Fallback();
    fallback_->setCurrentIndex(fallback >= 0 && fallback < fallback_->count() ? fallback : -1);
}

}  // namespace parlevox
