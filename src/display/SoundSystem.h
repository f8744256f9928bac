#pragma once
// The one object that plays every sound of the client: the thirteen
// interface events, each mapped to a built-in sound or a wave file of the
// user's, and wave or MIDI files that scripts, commands and other users'
// sound requests ask for. Settings live in the "Sounds" section.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "display/SoundTexts.h"
#include "platform/AudioOutput.h"

namespace parlevox {

class CSoundSystem {
public:
    static constexpr int kEventCount = static_cast<int>(texts::kSoundEvents.size());
    static constexpr int kBuiltInCount = static_cast<int>(texts::kBuiltInSounds.size());

    struct EventSound {
        int builtIn = -1;      // built-in sound number, -1 for none
        std::string fileName;  // the user's wave file, empty for none
    };

    // Where the "You don't have" line goes: the current window.
    using LineOutput = std::function<void(const std::string& line)>;

    // Loads the settings. Without a wave output device both switches are
    // turned off, and that is saved.
    CSoundSystem(AudioOutput& output, LineOutput currentWindow);
    ~CSoundSystem();  // saves when changed
    CSoundSystem(const CSoundSystem&) = delete;
    CSoundSystem& operator=(const CSoundSystem&) = delete;

    // An event by its name, or a ".wav" or ".mid" file in the sound folder.
    // True when a file sound was started.
    bool Play(std::string_view name);
    // Whether a requested sound file could be played here.
    bool HasSound(std::string_view name) const;
    // At shutdown, so that closing windows makes no sound.
    void SwitchOff() { switchedOn_ = false; }

    // The names for the preferences page's list of built-in sounds.
    static std::span<const char* const> BuiltInSoundNames() { return texts::kBuiltInSounds; }

    const EventSound& Event(int index) const { return events_.at(static_cast<size_t>(index)); }
    void SetEvent(int index, EventSound sound);
    bool UserEnabled() const { return userEnabled_; }
    void SetUserEnabled(bool on);
    bool BuiltInEnabled() const { return builtInEnabled_; }
    void SetBuiltInEnabled(bool on);
    const std::string& Folder() const { return folder_; }
    void SetFolder(std::string folder);

    bool Changed() const { return dirty_; }
    void SaveIfChanged();

    // The file-system path of a sound file name: as it is when absolute,
    // else in the "Folder" setting's folder (itself absolute or under the
    // program folder).
    std::string SoundPath(std::string_view fileName) const;

private:
    void Load();
    void Save();
    bool PlayFile(std::string_view name, bool tune);
    bool PlayEvent(std::string_view name);

    AudioOutput& output_;
    LineOutput currentWindow_;
    std::array<EventSound, kEventCount> events_;
    bool userEnabled_ = false;
    bool builtInEnabled_ = false;
    std::string folder_;
    bool switchedOn_ = true;
    bool dirty_ = false;
};

}  // namespace parlevox
