#pragma once
// A channel's plain-text log: every line the window shows, without colour
// or attribute codes, cut at 511 characters and ended by "\r\n". The file is
// appended to and each line goes to the system as it is written, so a
// crash loses no line already shown. The file is refused when its last
// path component is a symbolic link or it is not a regular file.
#include <string>
#include <string_view>

namespace parlevox {

class ChannelLog {
public:
    static constexpr size_t kLongestLine = 511;

    ChannelLog() = default;
    ~ChannelLog() { Close(); }
    ChannelLog(const ChannelLog&) = delete;
    ChannelLog& operator=(const ChannelLog&) = delete;

    // The log's file name in the folder: the channel name without the
    // characters ":\/+<>*?", then ".log". A name that leaves nothing, or
    // only dots, gets a fixed name instead.
    static std::string FileName(std::string_view channel);
    // programFolder + "logs/" + FileName(channel).
    static std::string PathFor(const std::string& programFolder, std::string_view channel);
    // The text of window line as the log holds it, without "\r\n".
    static std::string PlainText(std::string_view windowLine);

    // Creates the folder when missing and opens the file at its end.
    bool Open(const std::string& path);
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }
    // False when the line could not be written whole.
    bool WriteLine(std::string_view windowLine);
    // A failure to close is of no use to anyone: ignored.
    void Close();

private:
    int fd_ = -1;
    std::string path_;
};

// Writes the text to the file, replacing any old one; a crash leaves the
// old file or the new one whole.
bool WriteContentsFile(const std::string& path, std::string_view text);

}  // namespace parlevox
