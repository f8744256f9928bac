#include "display/SoundSystem.h"

#include <fmt/printf.h>

#include "common/InternalErrorReport.h"
#include "common/TextHelpers.h"
#include "display/ImportFile.h"
#include "irc/ColourCodes.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/Resources.h"

namespace parlevox {
namespace {

bool EndsWith(std::string_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           EqualsIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

// "C:\..." and "\..." are absolute for the client; "/..." is on this system.
bool IsAbsolute(std::string_view path) {
    return (path.size() > 1 && path[1] == ':') || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

}  // namespace

CSoundSystem::CSoundSystem(AudioOutput& output, LineOutput currentWindow)
    : output_(output), currentWindow_(std::move(currentWindow)) {
    Load();
    if (!output_.HasWaveDevice()) {
        userEnabled_ = builtInEnabled_ = false;
        dirty_ = true;  // saved with the other settings
    }
}

CSoundSystem::~CSoundSystem() {
    SaveIfChanged();
}

void CSoundSystem::Load() {
    const Registry& settings = Registry::Current();
    for (int i = 0; i < kEventCount; ++i) {
        EventSound& sound = events_[static_cast<size_t>(i)];
        int builtIn =
            settings.GetProfileInt(texts::kSoundsSection, fmt::sprintf(texts::kEventResourceValue, i), -1);
        sound.builtIn = builtIn >= 0 && builtIn < kBuiltInCount ? builtIn : -1;
        sound.fileName = settings.GetProfileString(texts::kSoundsSection, fmt::sprintf(texts::kEventFileValue, i));
    }
    userEnabled_ = settings.GetProfileInt(texts::kSoundsSection, texts::kUserEnabledValue, 0) != 0;
    builtInEnabled_ = settings.GetProfileInt(texts::kSoundsSection, texts::kBuiltInEnabledValue, 0) != 0;
    folder_ = settings.GetProfileString(texts::kSoundsSection, texts::kFolderValue);
}

void CSoundSystem::Save() {
    Registry& settings = Registry::Current();
    for (int i = 0; i < kEventCount; ++i) {
        const EventSound& sound = events_[static_cast<size_t>(i)];
        settings.WriteProfileInt(texts::kSoundsSection, fmt::sprintf(texts::kEventResourceValue, i), sound.builtIn);
        settings.WriteProfileString(texts::kSoundsSection, fmt::sprintf(texts::kEventFileValue, i), sound.fileName);
    }
    settings.WriteProfileInt(texts::kSoundsSection, texts::kUserEnabledValue, userEnabled_ ? 1 : 0);
    settings.WriteProfileInt(texts::kSoundsSection, texts::kBuiltInEnabledValue, builtInEnabled_ ? 1 : 0);
    settings.WriteProfileString(texts::kSoundsSection, texts::kFolderValue, folder_);
    dirty_ = false;
}

void CSoundSystem::SaveIfChanged() {
    if (dirty_) Save();
}

void CSoundSystem::SetEvent(int index, EventSound sound) {
    if (sound.builtIn < -1 || sound.builtIn >= kBuiltInCount) sound.builtIn = -1;
    events_.at(static_cast<size_t>(index)) = std::move(sound);
    dirty_ = true;
}

void CSoundSystem::SetUserEnabled(bool on) {
    userEnabled_ = on;
    dirty_ = true;
}

void CSoundSystem::SetBuiltInEnabled(bool on) {
    builtInEnabled_ = on;
    dirty_ = true;
}

void CSoundSystem::SetFolder(std::string folder) {
    folder_ = std::move(folder);
    dirty_ = true;
}

std::string CSoundSystem::SoundPath(std::string_view fileName) const {
    if (IsAbsolute(fileName)) return ProgramFolder::ToFileSystemPath(fileName);
    std::string folder = ProgramFolder::ToFileSystemPath(folder_);
    if (!IsAbsolute(folder_)) folder = ProgramFolder::Path() + folder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + ProgramFolder::ToFileSystemPath(fileName);
}

bool CSoundSystem::Play(std::string_view name) {
    if (!switchedOn_) return false;
    if (EndsWith(name, ".wav")) return PlayFile(name, false);
    if (EndsWith(name, ".mid")) return PlayFile(name, true);
    if (name.find('.') == std::string_view::npos && builtInEnabled_) return PlayEvent(name);
    return false;
}

bool CSoundSystem::PlayFile(std::string_view name, bool tune) {
    if (!userEnabled_) return false;
    std::string path = SoundPath(name);
    bool started = tune ? output_.PlayTune(path) : output_.PlayWaveFile(path);
    if (!started && currentWindow_)
        currentWindow_(fmt::sprintf(texts::kMissingSoundFile, ColourCode(colour::kInformation), name));
    return started;
}

bool CSoundSystem::PlayEvent(std::string_view name) {
    size_t index = 0;
    while (index < events_.size() && name != texts::kSoundEvents[index]) ++index;
    if (index == events_.size()) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    const EventSound& sound = events_[index];
    if (sound.builtIn >= 0) {
        auto wave = Resources::Find(texts::kBuiltInSoundResources[static_cast<size_t>(sound.builtIn)],
                                    Resources::kWaveType);
        if (wave) output_.PlayWave(*wave);
        return false;
    }
    return !sound.fileName.empty() && output_.PlayWaveFile(SoundPath(sound.fileName));
}

bool CSoundSystem::HasSound(std::string_view name) const {
    if (!switchedOn_ || !userEnabled_ || !(EndsWith(name, ".wav") || EndsWith(name, ".mid"))) return false;
    return ImportFile(SoundPath(name)).IsOpen();
}

}  // namespace parlevox
