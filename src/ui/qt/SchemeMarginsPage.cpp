#include "ui/qt/SchemeMarginsPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/SchemeEditor.h"
#include "ui/qt/AnchoredRectEdit.h"

namespace parlevox {
namespace {

constexpr int kMaxIndent = 10000;

}  // namespace

SchemeMarginsPage::SchemeMarginsPage(CSchemeEditor& editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      area_(new AnchoredRectEdit(this)),
      firstIndent_(new QSpinBox(this)),
      continuationIndent_(new QSpinBox(this)) {
    area_->setObjectName("textArea");
    firstIndent_->setObjectName("firstIndent");
    continuationIndent_->setObjectName("continuationIndent");
    for (QSpinBox* indent : {firstIndent_, continuationIndent_}) {
        indent->setRange(-kMaxIndent, kMaxIndent);
        indent->setSuffix(tr(" pixels"));
        connect(indent, &QSpinBox::valueChanged, this, &SchemeMarginsPage::Edited);
    }
    connect(area_, &AnchoredRectEdit::edited, this, &SchemeMarginsPage::Edited);

    auto* box = new QGroupBox(tr("Text area"), this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* note = new QLabel(tr("Each side is a number of pixels plus shares of the window's size, so that the "
                               "text area follows the window: 256ths of the width or height."),
                            box);
    note->setWordWrap(true);
    boxLayout->addWidget(area_);
    boxLayout->addWidget(note);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("&First line indent:"), firstIndent_);
    form->addRow(tr("&Continuation indent:"), continuationIndent_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(form);
    layout->addStretch(1);
    Load();
}

void SchemeMarginsPage::Load() {
    const TextMargins& margins = editor_.Scheme().Margins();
    area_->SetRect(margins.rect);
    const QSignalBlocker blocks[] = {QSignalBlocker(firstIndent_), QSignalBlocker(continuationIndent_)};
    firstIndent_->setValue(margins.firstLineIndent);
    continuationIndent_->setValue(margins.continuationIndent);
}

void SchemeMarginsPage::Edited() {
    editor_.SetMargins({area_->Rect(), firstIndent_->value(), continuationIndent_->value()});
}

}  // namespace parlevox
