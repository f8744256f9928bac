#pragma once
// The thirteen interface events, each with a built-in sound or a sound file
// of the user's, a Test button, the two switches and the sound folder. Edits
// go to the sound system, which saves them through its own saver.
#include "ui/qt/PreferencesPage.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace parlevox {

class SoundsPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit SoundsPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    void ShowEvent(int index);
    void EnableFile(bool on);
    void SoundChosen(int choice);
    void FileEdited(const QString& text);
    void ChooseFile();
    void Test();
    void Saved();
    QWidget* MakeEventBox();

    QListWidget* events_;
    QComboBox* sound_;
    QLineEdit* file_;
    QPushButton* browse_;
    QPushButton* test_;
    QCheckBox* eventSounds_;
    QCheckBox* soundFiles_;
    QLineEdit* folder_;
};

}  // namespace parlevox
