#pragma once
// /Play: sends a text file to a channel or nick, one line every so many
// seconds. One file plays at a time; the player lives as long as the
// command table.
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "commands/Command.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class FilePlayer final : public MessageTarget {
public:
    // Lines longer than this are cut; the rest of such a line is skipped.
    static constexpr size_t kMaxLine = 4096;

    FilePlayer(EventLoop& loop, CommandEnvironment& environment);
    ~FilePlayer() override;
    bool Playing() const { return file_.is_open(); }
    // False when the file cannot be opened. Sends the first line at once.
    bool Start(const std::string& path, const std::string& target, uint32_t intervalMs, CommandOutput& output);
    void OnTimer(uint32_t timerId) override;

private:
    std::optional<std::string> NextLine();
    void SendNext();
    void Stop();

    CommandEnvironment& environment_;
    std::ifstream file_;
    std::string target_;
    CommandOutput* output_ = nullptr;
    std::weak_ptr<const void> outputAlive_;
};

class C_scPlay final : public CCommand {
public:
    C_scPlay();
    ~C_scPlay() override;

protected:
    bool Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) override;

private:
    std::unique_ptr<FilePlayer> player_;
};

}  // namespace parlevox
