#pragma once
// The one object that plays every sound of the client: the thirteen
// interface events, each mapped to a built-in sound or a wave file of the
// user's, and wave or MIDI files that scripts, commands and other users'
// sound requests ask for. Its settings (the "Sounds" section) come in as
// values and go back out through a saver.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "display/SoundTexts.h"
#include "irc/ColourCodes.h"
#include "platform/AudioOutput.h"

namespace parlevox {

struct SoundSettings {
    static constexpr int kEventCount = static_cast<int>(texts::kSoundEvents.size());
    static constexpr int kBuiltInCount = static_cast<int>(texts::kBuiltInSounds.size());

    struct EventSound {
        int builtIn = -1;      // built-in sound number, -1 for none
        std::string fileName;  // the user's wave file, empty for none
        bool operator==(const EventSound&) const = default;
    };

    std::array<EventSound, kEventCount> events;
    bool userEnabled = false;
    bool builtInEnabled = false;
    std::string folder;
    bool operator==(const SoundSettings&) const = default;
};

// What became of a sound file another user asked for.
enum class RequestedSound { Started, SwitchedOff, NotASoundFile, NotInFolder, TooLarge, CannotPlay };

class CSoundSystem {
public:
    static constexpr size_t kLargestRequestedSound = 16u << 20;

    static constexpr int kEventCount = SoundSettings::kEventCount;
    static constexpr int kBuiltInCount = SoundSettings::kBuiltInCount;
    using EventSound = SoundSettings::EventSound;

    // Where the "You don't have" line goes: the current window.
    using LineOutput = std::function<void(const std::string& line)>;
    // Keeps changed settings (the settings layer writes them to the store).
    using Saver = std::function<void(const SoundSettings&)>;

    // Without a wave output device both switches are turned off, and that
    // is saved. colours: for the "You don't have" line.
    CSoundSystem(AudioOutput& output, LineOutput currentWindow, SoundSettings settings = {}, Saver saver = {},
                 ColourCodes colours = {});
    ~CSoundSystem();  // saves when changed
    CSoundSystem(const CSoundSystem&) = delete;
    CSoundSystem& operator=(const CSoundSystem&) = delete;

    // An event by its name, or a ".wav" or ".mid" file in the sound folder.
    // True when a file sound was started.
    bool Play(std::string_view name);
    // A sound file another user named: only the last component of the
    // name counts, and only a regular file of at most
    // kLargestRequestedSound bytes in the sound folder plays. It is opened
    // without following a link or waiting on a pipe or device.
    RequestedSound PlayRequested(std::string_view name);
    // Whether a requested sound file could be played here.
    bool HasSound(std::string_view name) const;
    // At shutdown, so that closing windows makes no sound.
    void SwitchOff() { switchedOn_ = false; }

    // The names for the preferences page's list of built-in sounds.
    static std::span<const char* const> BuiltInSoundNames() { return texts::kBuiltInSounds; }

    const SoundSettings& Settings() const { return settings_; }
    const EventSound& Event(int index) const { return settings_.events.at(static_cast<size_t>(index)); }
    void SetEvent(int index, EventSound sound);
    bool UserEnabled() const { return settings_.userEnabled; }
    void SetUserEnabled(bool on);
    bool BuiltInEnabled() const { return settings_.builtInEnabled; }
    void SetBuiltInEnabled(bool on);
    const std::string& Folder() const { return settings_.folder; }
    void SetFolder(std::string folder);

    void SetColours(const ColourCodes& colours) { colours_ = colours; }

    bool Changed() const { return dirty_; }
    void SaveIfChanged();

    // The file-system path of a sound file name: as it is when absolute,
    // else in the "Folder" setting's folder (itself absolute or under the
    // program folder).
    std::string SoundPath(std::string_view fileName) const;

private:
    // The folder sound file names are looked up in, ending with "/".
    std::string SoundFolder() const;
    bool PlayFile(std::string_view name, bool tune);
    bool PlayEvent(std::string_view name);

    AudioOutput& output_;
    LineOutput currentWindow_;
    SoundSettings settings_;
    Saver saver_;
    ColourCodes colours_;
    bool switchedOn_ = true;
    bool dirty_ = false;
};

// The line that says why a requested sound did not play; empty when it did
// or sound is off.
std::string RequestedSoundLine(RequestedSound outcome, std::string_view name, const ColourCodes& colours);

}  // namespace parlevox
