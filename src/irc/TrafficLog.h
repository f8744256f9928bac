#pragma once
// The optional record of everything sent and received on the server
// connection: "Log,<local time>.txt" in the program folder.
#include <cstdio>
#include <string>
#include <string_view>

namespace parlevox {

class TrafficLog {
public:
    TrafficLog() = default;
    ~TrafficLog();
    TrafficLog(const TrafficLog&) = delete;
    TrafficLog& operator=(const TrafficLog&) = delete;

    // Creates the file anew, locked against other writers; false on failure.
    bool Open(const std::string& folder);
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& FilePath() const { return path_; }

    void LogReceived(std::string_view line);  // the line and "\r\n"
    void LogSent(std::string_view line);      // "#>" and the line as sent

private:
    void Write(std::string_view bytes);

    std::FILE* file_ = nullptr;
    std::string path_;
};

}  // namespace parlevox
