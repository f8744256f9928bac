#include "ui/qt/ChoiceDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt/QtText.h"

namespace parlevox {

ChoiceDialog::ChoiceDialog(const ChoiceRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(request.title));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(ToQString(request.text), this);
    text->setTextFormat(Qt::PlainText);  // the core's own words, never markup
    text->setWordWrap(true);
    layout->addWidget(text);

    auto* group = new QButtonGroup(this);
    const std::string* heading = nullptr;
    for (const ChoiceRequest::Choice& choice : request.choices) {
        if (!choice.heading.empty() && (!heading || *heading != choice.heading)) {
            auto* label = new QLabel(ToQString(choice.heading), this);
            label->setTextFormat(Qt::PlainText);
            layout->addWidget(label);
        }
        heading = &choice.heading;
        auto* button = new QRadioButton(ToQString(choice.text), this);
        button->setObjectName(QString("choice%1").arg(choices_.size()));
        group->addButton(button, static_cast<int>(choices_.size()));
        choices_.push_back(button);
        auto* row = new QHBoxLayout;
        if (!choice.heading.empty()) row->addSpacing(kIndent);
        row->addWidget(button, 1);
        layout->addLayout(row);
    }
    const int initial = request.initial >= 0 && request.initial < static_cast<int>(choices_.size()) ? request.initial : 0;
    if (!choices_.empty()) choices_[static_cast<size_t>(initial)]->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int ChoiceDialog::Chosen() const {
    for (size_t i = 0; i < choices_.size(); ++i)
        if (choices_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

}  // namespace parlevox
