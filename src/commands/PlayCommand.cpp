#include "commands/PlayCommand.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include <fmt/printf.h>

#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"

namespace parlevox {
namespace {

constexpr uint32_t kPlayTimer = 1;
// One line a second at most (0 would flood the server off), one a day at least.
constexpr int32_t kMinSeconds = 1, kMaxSeconds = 86400;

}  // namespace

FilePlayer::FilePlayer(EventLoop& loop, CommandEnvironment& environment)
    : MessageTarget(loop), environment_(environment) {}

FilePlayer::~FilePlayer() = default;

bool FilePlayer::Start(const std::string& path, const std::string& target, uint32_t intervalMs,
                       CommandOutput& output) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    file_.open(path, std::ios::binary);
    if (!file_.is_open()) return false;
    target_ = target;
    output_ = &output;
    outputAlive_ = output.Lifetime();
    SetTimer(kPlayTimer, intervalMs);
    SendNext();
    return true;
}

void FilePlayer::OnTimer(uint32_t) { SendNext(); }

std::optional<std::string> FilePlayer::NextLine() {
    char buffer[kMaxLine + 1];
    while (file_.is_open()) {
        file_.getline(buffer, sizeof buffer);
        std::streamsize got = file_.gcount();
        if (got == 0 && (file_.eof() || file_.bad())) return std::nullopt;
        if (file_.fail() && !file_.eof()) {  // a longer line: skip what is left of it
            file_.clear();
            file_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        }
        std::string line(buffer);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) return line;
        if (file_.eof()) return std::nullopt;
    }
    return std::nullopt;
}

void FilePlayer::SendNext() {
    std::optional<std::string> line = NextLine();
    if (!line) return Stop();
    environment_.Send("PRIVMSG " + target_ + " :" + *line);
    if (outputAlive_.lock()) {
        const std::string& plain = environment_.Colour(colour::kText);
        output_->AddLine(IsChannelName(target_)
                             ? fmt::sprintf(texts::kEchoChannelMessage, plain, target_, *line)
                             : fmt::sprintf(texts::kEchoPrivateMessage, plain, environment_.Colour(colour::kNick),
                                            target_, plain, *line));
    }
}

void FilePlayer::Stop() {
    KillTimer(kPlayTimer);
    file_.close();
    file_.clear();
}

C_scPlay::C_scPlay() : CCommand("Play", {ParamKind::Word, ParamKind::Integer, ParamKind::Rest},
                                "/play <channel|nick> <seconds between lines> <full path of text file>") {}

C_scPlay::~C_scPlay() = default;

bool C_scPlay::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (args.Text(2).empty()) return false;
    if (!player_) player_ = std::make_unique<FilePlayer>(env.Loop(), env);
    if (player_->Playing()) {
        call.output.AddLine(fmt::sprintf(texts::kFileAlreadyPlaying, env.Colour(colour::kProblem)));
        return true;
    }
    int32_t seconds = std::clamp(args.Number(1), kMinSeconds, kMaxSeconds);
    if (!player_->Start(args.Text(2), args.Text(0), static_cast<uint32_t>(seconds) * 1000u, call.output))
        call.output.AddLine(fmt::sprintf(texts::kPlayFileNotFound, env.Colour(colour::kProblem)));
    return true;
}

}  // namespace parlevox
