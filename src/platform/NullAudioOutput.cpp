#include "platform/NullAudioOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parlevox {
namespace {

bool Readable(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool file = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    return file;
}

}  // namespace

bool NullAudioOutput::PlayWave(std::string_view waveFile) {
    if (!hasWaveDevice_) return false;
    played.push_back({Kind::Wave, {}, waveFile.data(), waveFile.size()});
    return true;
}

bool NullAudioOutput::PlayWaveFile(const std::string& path) {
    if (!hasWaveDevice_ || !Readable(path)) return false;
    played.push_back({Kind::WaveFile, path});
    return true;
}

bool NullAudioOutput::PlayTune(const std::string& path) {
    ++tunesClosed;
    if (!Readable(path)) return false;
    played.push_back({Kind::Tune, path});
    return true;
}

}  // namespace parlevox
