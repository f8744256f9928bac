#include "commands/RunPermissions.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <fmt/printf.h>

#include "commands/CommandOutput.h"
#include "commands/RunTexts.h"
#include "platform/Shell.h"

namespace parlevox {
namespace {

// A line end in a path or an argument must not forge the question's text.
std::string Shown(std::string_view text, size_t limit = std::string_view::npos) {
    std::string shown(text.substr(0, limit));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    if (text.size() > limit) shown += "...";
    return shown;
}

}  // namespace

std::optional<std::vector<std::string>> SplitRunArguments(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            word += text[++i];
            inWord = true;
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inWord) words.push_back(std::move(word));
    return words;
}

RunPermissions::RunPermissions(UserInterface& ui, const ColourCodes& colours, std::vector<std::string> allowed,
                               Saver saver)
    : ui_(ui), colours_(colours), allowed_(std::move(allowed)), saver_(std::move(saver)) {}

// Relative paths are refused rather than looked up in PATH: which program
// that would be depends on the folder and the environment of the moment,
// not on what the person allowed.
std::optional<std::string> RunPermissions::Resolve(const std::string& program) {
    if (program.size() < kMinPathLength || program.front() != '/') return std::nullopt;
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(program, error);
    if (error || !std::filesystem::is_regular_file(resolved, error) || error) return std::nullopt;
    return resolved.string();
}

bool RunPermissions::IsAllowed(std::string_view resolved) const {
    return std::find(allowed_.begin(), allowed_.end(), resolved) != allowed_.end();
}

RunPermissions::Outcome RunPermissions::Run(const std::string& program, const std::string& arguments,
                                            CommandOutput& output) {
    const std::optional<std::vector<std::string>> words = SplitRunArguments(arguments);
    const std::optional<std::string> resolved = Resolve(program);
    if (!words || !resolved || access(resolved->c_str(), X_OK) != 0) {
        WriteFailure(program, output);
        return Outcome::Refused;
    }
    if (!IsAllowed(*resolved)) {
        switch (Ask(*resolved, arguments)) {
            case MessageResult::Yes: Allow(*resolved); break;
            case MessageResult::No: break;
            default: return Outcome::Cancelled;
        }
    }
    if (Shell::Start(*resolved, *words)) return Outcome::Started;
    WriteFailure(program, output);
    return Outcome::Failed;
}

MessageResult RunPermissions::Ask(const std::string& resolved, const std::string& arguments) {
    MessageBoxRequest box;
    box.title = texts::kRunQuestionTitle;
    box.text = fmt::sprintf(texts::kRunQuestion, Shown(resolved), arguments.empty() ? "" : " ",
                            Shown(arguments, kMaxShownArguments));
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::YesNoCancel;
    box.defaultButton = 3;
    return ui_.ShowMessageBox(box);
}

void RunPermissions::Allow(const std::string& resolved) {
    allowed_.push_back(resolved);
    if (saver_) saver_(allowed_);
}

void RunPermissions::WriteFailure(const std::string& program, CommandOutput& output) const {
    output.AddLine(fmt::sprintf(texts::kRunFailed, colours_.Code(colour::kProblem), program,
                                colours_.Code(colour::kInformation)));
}

}  // namespace parlevox
