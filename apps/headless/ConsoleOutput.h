#pragma once
// Window lines on standard output as "<window><TAB><text>", control bytes
// stripped unless raw. Output is buffered and flushed once the loop has
// handled what was waiting, so a flood costs few writes and a person or a
// test reading the pipe still sees each line promptly.
#include <string>
#include <string_view>

#include "common/ControlBytes.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class ConsoleOutput final : public MessageTarget {
public:
    ConsoleOutput(EventLoop& loop, bool raw) : MessageTarget(loop), raw_(raw) {}
    ~ConsoleOutput() override { Flush(); }

    void WriteLine(std::string_view window, std::string_view text);
    void Flush();
    void OnTimer(uint32_t timerId) override;

private:
    static constexpr uint32_t kFlushTimer = 1;

    bool raw_;
    bool flushScheduled_ = false;
    std::string buffer_;
};

}  // namespace parlevox
