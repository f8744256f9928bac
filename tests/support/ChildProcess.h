#pragma once
// A program started by a test with pipes on its standard input and output.
#include <string>
#include <vector>

namespace parlevox::test {

class ChildProcess {
public:
    // env entries ("NAME=value") are added to the test's own environment.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // Reads output until it holds the text; false after timeoutMs.
    bool WaitForOutput(const std::string& text, int timeoutMs);
    const std::string& Output() const { return output_; }
    void WriteInput(const std::string& bytes);
    void CloseInput();
    void Signal(int signalNumber);
    // The exit status, or -1 if it did not end in time (it is then killed).
    int Wait(int timeoutMs);

private:
    void ReadAvailable(int waitMs);

    int pid_ = -1;
    int inFd_ = -1;
    int outFd_ = -1;
    std::string output_;
};

}  // namespace parlevox::test
