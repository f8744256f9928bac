#include "ui/qt/SoundsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "display/SoundSystem.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

// The sound choice: none, the built-in sounds in order, then the user's file.
constexpr int kChoiceNone = 0;
constexpr int kChoiceFile = CSoundSystem::kBuiltInCount + 1;

int ChoiceOf(const CSoundSystem::EventSound& sound) {
    if (sound.builtIn >= 0) return sound.builtIn + 1;
    return sound.fileName.empty() ? kChoiceNone : kChoiceFile;
}

}  // namespace

SoundsPage::SoundsPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    auto* row = new QHBoxLayout;
    AddContent(row);
    events_ = new QListWidget(this);
    events_->setObjectName("soundEvents");
    for (const char* name : texts::kSoundEvents) events_->addItem(tr(name));
    row->addWidget(events_, 1);
    row->addWidget(MakeEventBox(), 1);

    auto* switches = new QVBoxLayout;
    AddContent(switches);
    eventSounds_ = new QCheckBox(tr(texts::kPlayEventSounds), this);
    soundFiles_ = new QCheckBox(tr(texts::kPlaySoundFiles), this);
    switches->addWidget(eventSounds_);
    switches->addWidget(soundFiles_);
    connect(eventSounds_, &QCheckBox::toggled, this, [this](bool on) {
        Context().sounds.SetBuiltInEnabled(on);
        Saved();
    });
    connect(soundFiles_, &QCheckBox::toggled, this, [this](bool on) {
        Context().sounds.SetUserEnabled(on);
        Saved();
    });

    QFormLayout* form = AddForm();
    folder_ = new QLineEdit(this);
    folder_->setToolTip(tr("Where sound files without a folder of their own are looked for; "
                           "a relative folder is under the program's folder."));
    form->addRow(tr("Sound f&older:"), folder_);
    connect(folder_, &QLineEdit::textChanged, this, [this](const QString& text) {
        Context().sounds.SetFolder(ToBytes(text));
        Saved();
    });

    connect(events_, &QListWidget::currentRowChanged, this, &SoundsPage::ShowEvent);
    events_->setCurrentRow(0);
}

QWidget* SoundsPage::MakeEventBox() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    sound_ = new QComboBox(box);
    sound_->setObjectName("eventSound");
    sound_->addItem(tr(texts::kNoSound));
    for (const char* name : CSoundSystem::BuiltInSoundNames()) sound_->addItem(tr(name));
    sound_->addItem(tr(texts::kOwnSoundFile));
    form->addRow(tr("&Sound:"), sound_);

    file_ = new QLineEdit(box);
    file_->setObjectName("eventFile");
    browse_ = new QPushButton(tr("&Browse..."), box);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse_);
    form->addRow(tr("Fi&le:"), fileRow);
    static_cast<QLabel*>(form->labelForField(fileRow))->setBuddy(file_);

    test_ = new QPushButton(tr("&Test"), box);
    test_->setObjectName("testSound");
    form->addRow(QString(), test_);

    connect(sound_, &QComboBox::currentIndexChanged, this, &SoundsPage::SoundChosen);
    connect(file_, &QLineEdit::textChanged, this, &SoundsPage::FileEdited);
    connect(browse_, &QPushButton::clicked, this, &SoundsPage::ChooseFile);
    connect(test_, &QPushButton::clicked, this, &SoundsPage::Test);
    return box;
}

void SoundsPage::ShowEvent(int index) {
    if (index < 0 || index >= CSoundSystem::kEventCount) return;
    const CSoundSystem::EventSound& sound = Context().sounds.Event(index);
    const QSignalBlocker blocks[] = {QSignalBlocker(sound_), QSignalBlocker(file_)};
    sound_->setCurrentIndex(ChoiceOf(sound));
    file_->setText(ToQString(sound.fileName));
    EnableFile(ChoiceOf(sound) == kChoiceFile);
}

void SoundsPage::EnableFile(bool on) {
    file_->setEnabled(on);
    browse_->setEnabled(on);
}

// A built-in sound takes precedence over a file, so choosing the file
// clears the built-in one; the file name is kept for when it is chosen again.
void SoundsPage::SoundChosen(int choice) {
    const int index = events_->currentRow();
    if (index < 0 || choice < 0) return;
    CSoundSystem::EventSound sound = Context().sounds.Event(index);
    sound.builtIn = choice >= 1 && choice <= CSoundSystem::kBuiltInCount ? choice - 1 : -1;
    if (choice == kChoiceNone) sound.fileName.clear();
    Context().sounds.SetEvent(index, sound);
    Saved();
    if (choice == kChoiceNone) {
        QSignalBlocker block(file_);
        file_->clear();
    }
    EnableFile(choice == kChoiceFile);
    if (choice == kChoiceFile) file_->setFocus();
}

void SoundsPage::FileEdited(const QString& text) {
    const int index = events_->currentRow();
    if (index < 0) return;
    CSoundSystem::EventSound sound = Context().sounds.Event(index);
    sound.fileName = ToBytes(text);
    Context().sounds.SetEvent(index, sound);
    Saved();
}

void SoundsPage::ChooseFile() {
    const QString start = ToQString(Context().sounds.SoundPath(""));
    const QString path = QFileDialog::getOpenFileName(this, tr(texts::kChooseSoundFile), start,
                                                      tr(texts::kSoundFileFilter));
    if (!path.isEmpty()) file_->setText(path);
}

void SoundsPage::Test() {
    const int index = events_->currentRow();
    if (index < 0) return;
    if (!Context().sounds.BuiltInEnabled()) {
        ShowProblem(tr(texts::kEventSoundsOff));
        return;
    }
    ClearProblem();
    Context().sounds.Play(texts::kSoundEvents[static_cast<size_t>(index)]);
}

void SoundsPage::Saved() {
    Context().sounds.SaveIfChanged();
}

void SoundsPage::Load() {
    const CSoundSystem& sounds = Context().sounds;
    {
        const QSignalBlocker blocks[] = {QSignalBlocker(eventSounds_), QSignalBlocker(soundFiles_),
                                         QSignalBlocker(folder_)};
        eventSounds_->setChecked(sounds.BuiltInEnabled());
        soundFiles_->setChecked(sounds.UserEnabled());
        folder_->setText(ToQString(sounds.Folder()));
    }
    ShowEvent(events_->currentRow());
    ClearProblem();
}

}  // namespace parlevox
