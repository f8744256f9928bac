#pragma once
// The base of the preference pages: each shows one part of the settings,
// reads it in Load and writes every edit back at once. An edit that is not
// valid leaves the setting alone and the page says why in its problem line.
#include <QWidget>

#include "ui/qt/QtText.h"
#include <functional>
#include <string>

#include "ui/qt/PreferencesContext.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QVBoxLayout;

namespace parlevox {

class PreferencesPage : public QWidget {
    Q_OBJECT

public:
    PreferencesPage(PreferencesContext& context, QWidget* parent = nullptr);

    // Fills the widgets from the settings without counting as an edit.
    virtual void Load() = 0;
    // What the page last refused; empty when the last edit went in.
    QString Problem() const;

protected:
    PreferencesContext& Context() const { return context_; }
    void OptionsChanged() const;
    void ShowProblem(const QString& problem);
    void ClearProblem() { ShowProblem({}); }

    // The page's layout: its content first, the problem line last.
    QVBoxLayout* Layout() const { return layout_; }
    QFormLayout* AddForm();
    void AddContent(QWidget* widget);
    void AddContent(QLayout* layout);

    // A labelled text field written to `field` on every change; `check`
    // may refuse a value with a problem text.
    using TextCheck = std::function<QString(const std::string& value)>;
    QLineEdit* AddText(QFormLayout* form, const char* label, std::string& field, TextCheck check = {});
    QCheckBox* AddSwitch(QVBoxLayout* box, const char* label, bool& field);

private:
    PreferencesContext& context_;
    QVBoxLayout* layout_;
    QLabel* problem_;
};

}  // namespace parlevox
