#include "ui/qt/PreferencesPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace parlevox {

PreferencesPage::PreferencesPage(PreferencesContext& context, QWidget* parent)
    : QWidget(parent), context_(context), layout_(new QVBoxLayout(this)), problem_(new QLabel(this)) {
    problem_->setObjectName("problem");
    problem_->setWordWrap(true);
    problem_->setStyleSheet("color: #b00000;");
    problem_->hide();
    layout_->addStretch(1);
    layout_->addWidget(problem_);
}

QString PreferencesPage::Problem() const {
    return problem_->text();
}

void PreferencesPage::OptionsChanged() const {
    if (context_.optionsChanged) context_.optionsChanged();
}

void PreferencesPage::ShowProblem(const QString& problem) {
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
}

QFormLayout* PreferencesPage::AddForm() {
    auto* form = new QFormLayout;
    AddContent(form);
    return form;
}

// Content goes before the stretch and the problem line.
void PreferencesPage::AddContent(QWidget* widget) {
    layout_->insertWidget(layout_->count() - 2, widget);
}

void PreferencesPage::AddContent(QLayout* layout) {
    layout_->insertLayout(layout_->count() - 2, layout);
}

QLineEdit* PreferencesPage::AddText(QFormLayout* form, const char* label, std::string& field, TextCheck check) {
    auto* edit = new QLineEdit(this);
    form->addRow(tr(label), edit);
    connect(edit, &QLineEdit::textChanged, this, [this, &field, check](const QString& text) {
        std::string value = ToBytes(text);
        QString problem = check ? check(value) : QString();
        ShowProblem(problem);
        if (!problem.isEmpty() || value == field) return;
        field = std::move(value);
        OptionsChanged();
    });
    return edit;
}

QCheckBox* PreferencesPage::AddSwitch(QVBoxLayout* box, const char* label, bool& field) {
    auto* check = new QCheckBox(tr(label), this);
    box->addWidget(check);
    connect(check, &QCheckBox::toggled, this, [this, &field](bool on) {
        field = on;
        OptionsChanged();
    });
    return check;
}

}  // namespace parlevox
