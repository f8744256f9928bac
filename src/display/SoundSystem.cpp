#include "display/SoundSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <fmt/printf.h>

#include "common/InternalErrorReport.h"
#include "common/TextHelpers.h"
#include "display/ImportFile.h"
#include "irc/ColourCodes.h"
#include "platform/ProgramFolder.h"
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

// The part after the last "/" or "\\".
std::string_view LastComponent(std::string_view name) {
    const size_t slash = name.find_last_of("/\\");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

// Checks that the path is a regular file of at most `limit` bytes, opening
// it without following a link at its last component and without waiting
// on a pipe or device, and reads it when `bytes` is given.
RequestedSound CheckRegularFile(const std::string& path, size_t limit, std::string* bytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return RequestedSound::NotInFolder;
    struct stat info {};
    RequestedSound outcome = RequestedSound::Started;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) outcome = RequestedSound::NotInFolder;
    else if (static_cast<uint64_t>(info.st_size) > limit) outcome = RequestedSound::TooLarge;
    if (outcome == RequestedSound::Started && bytes) {
        bytes->resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < bytes->size()) {
            ssize_t got = ::read(fd, bytes->data() + done, bytes->size() - done);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;  // the file shrank: play what is there
            done += static_cast<size_t>(got);
        }
        bytes->resize(done);
    }
    ::close(fd);
    return outcome;
}

}  // namespace

std::string RequestedSoundLine(RequestedSound outcome, std::string_view name, const ColourCodes& colours) {
    const std::string problem = colours.Code(colour::kProblem);
    switch (outcome) {
        case RequestedSound::Started:
        case RequestedSound::SwitchedOff: return {};
        case RequestedSound::NotASoundFile: return fmt::sprintf(texts::kRequestedNotSound, problem, name);
        case RequestedSound::NotInFolder: return fmt::sprintf(texts::kRequestedNotInFolder, problem, name);
        case RequestedSound::TooLarge:
            return fmt::sprintf(texts::kRequestedTooLarge, problem, name,
                                static_cast<int>(CSoundSystem::kLargestRequestedSound >> 20));
        case RequestedSound::CannotPlay:
            return fmt::sprintf(texts::kMissingSoundFile, colours.Code(colour::kInformation), name);
    }
    return {};
}

CSoundSystem::CSoundSystem(AudioOutput& output, LineOutput currentWindow, SoundSettings settings, Saver saver,
                           ColourCodes colours)
    : output_(output),
      currentWindow_(std::move(currentWindow)),
      settings_(std::move(settings)),
      saver_(std::move(saver)),
      colours_(colours) {
    for (EventSound& sound : settings_.events)
        if (sound.builtIn < -1 || sound.builtIn >= kBuiltInCount) sound.builtIn = -1;
    if (!output_.HasWaveDevice()) {
        settings_.userEnabled = settings_.builtInEnabled = false;
        dirty_ = true;  // saved with the other settings
    }
}

CSoundSystem::~CSoundSystem() {
    SaveIfChanged();
}

void CSoundSystem::SaveIfChanged() {
    if (!dirty_) return;
    if (saver_) saver_(settings_);
    dirty_ = false;
}

void CSoundSystem::SetEvent(int index, EventSound sound) {
    if (sound.builtIn < -1 || sound.builtIn >= kBuiltInCount) sound.builtIn = -1;
    settings_.events.at(static_cast<size_t>(index)) = std::move(sound);
    dirty_ = true;
}

void CSoundSystem::SetUserEnabled(bool on) {
    settings_.userEnabled = on;
    dirty_ = true;
}

void CSoundSystem::SetBuiltInEnabled(bool on) {
    settings_.builtInEnabled = on;
    dirty_ = true;
}

void CSoundSystem::SetFolder(std::string folder) {
    settings_.folder = std::move(folder);
    dirty_ = true;
}

std::string CSoundSystem::SoundFolder() const {
    std::string folder = ProgramFolder::ToFileSystemPath(settings_.folder);
    if (!IsAbsolute(settings_.folder)) folder = ProgramFolder::Path() + folder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string CSoundSystem::SoundPath(std::string_view fileName) const {
    if (IsAbsolute(fileName)) return ProgramFolder::ToFileSystemPath(fileName);
    return SoundFolder() + ProgramFolder::ToFileSystemPath(fileName);
}

RequestedSound CSoundSystem::PlayRequested(std::string_view name) {
    if (!switchedOn_ || !settings_.userEnabled) return RequestedSound::SwitchedOff;
    const std::string_view file = LastComponent(name);
    const bool tune = EndsWith(file, ".mid");
    if (!tune && !EndsWith(file, ".wav")) return RequestedSound::NotASoundFile;
    // Built from the folder and the bare name, never through SoundPath:
    // "C:x.wav" would count as absolute there.
    const std::string path = SoundFolder() + std::string(file);
    std::string bytes;
    RequestedSound outcome = CheckRegularFile(path, kLargestRequestedSound, tune ? nullptr : &bytes);
    if (outcome != RequestedSound::Started) return outcome;
    // Tunes are opened by name; the check above has made sure of the file.
    const bool started = tune ? output_.PlayTune(path) : output_.PlayWave(bytes);
    return started ? RequestedSound::Started : RequestedSound::CannotPlay;
}

bool CSoundSystem::Play(std::string_view name) {
    if (!switchedOn_) return false;
    if (EndsWith(name, ".wav")) return PlayFile(name, false);
    if (EndsWith(name, ".mid")) return PlayFile(name, true);
    if (name.find('.') == std::string_view::npos && settings_.builtInEnabled) return PlayEvent(name);
    return false;
}

bool CSoundSystem::PlayFile(std::string_view name, bool tune) {
    if (!settings_.userEnabled) return false;
    std::string path = SoundPath(name);
    bool started = tune ? output_.PlayTune(path) : output_.PlayWaveFile(path);
    if (!started && currentWindow_)
        currentWindow_(fmt::sprintf(texts::kMissingSoundFile, colours_.Code(colour::kInformation), name));
    return started;
}

bool CSoundSystem::PlayEvent(std::string_view name) {
    size_t index = 0;
    while (index < settings_.events.size() && name != texts::kSoundEvents[index]) ++index;
    if (index == settings_.events.size()) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    const EventSound& sound = settings_.events[index];
    if (sound.builtIn >= 0) {
        auto wave = Resources::Find(texts::kBuiltInSoundResources[static_cast<size_t>(sound.builtIn)],
                                    Resources::kWaveType);
        if (wave) output_.PlayWave(*wave);
        return false;
    }
    return !sound.fileName.empty() && output_.PlayWaveFile(SoundPath(sound.fileName));
}

bool CSoundSystem::HasSound(std::string_view name) const {
    if (!switchedOn_ || !settings_.userEnabled || !(EndsWith(name, ".wav") || EndsWith(name, ".mid"))) return false;
    return ImportFile(SoundPath(name)).IsOpen();
}

}  // namespace parlevox
