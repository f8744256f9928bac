#include "commands/Command.h"

#include <charconv>

#include "commands/CommandWords.h"

namespace parlevox {
namespace {

bool ReadDecimal(std::string_view word, int32_t& number) {
    if (word.starts_with('+')) word.remove_prefix(1);
    if (word.empty()) return false;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    return error == std::errc() && end == word.data() + word.size();
}

// The channel context stands in for a channel only when it is one (a query
// window's context is the partner's nick).
bool TakeChannelContext(const CommandCall& call, std::string& out) {
    if (!IsChannelName(call.channel)) return false;
    out = call.channel;
    return true;
}

}  // namespace

CCommand::CCommand(std::string name, std::initializer_list<ParamKind> kinds, std::string help)
    : name_(std::move(name)), kinds_(kinds), help_(std::move(help)) {}

bool CCommand::Run(std::span<const std::string_view> words, const CommandCall& call, CommandEnvironment& environment) {
    CommandArgs args;
    size_t next = 0;
    for (size_t i = 0; i < kinds_.size() && i < CommandArgs::kMax; ++i) {
        std::string& text = args.texts_[i];
        if (kinds_[i] == ParamKind::Rest) {
            text.assign(JoinedRest(words.subspan(next)));
            next = words.size();
            continue;
        }
        if (next == words.size()) {
            if (kinds_[i] == ParamKind::Channel && TakeChannelContext(call, text)) continue;
            return false;
        }
        std::string_view word = BareWord(words[next++]);
        switch (kinds_[i]) {
            case ParamKind::Channel:
                if (word == "#") {
                    if (!TakeChannelContext(call, text)) return false;
                    continue;
                }
                if (!IsChannelName(word)) return false;
                break;
            case ParamKind::Integer:
                if (!ReadDecimal(word, args.numbers_[i])) return false;
                break;
            case ParamKind::Nick:
                if (word == "$") {
                    if (call.nick.empty()) return false;
                    text = call.nick;
                    continue;
                }
                if (word.empty() || IsChannelName(word)) return false;
                break;
            case ParamKind::Word:
            case ParamKind::Rest:
                break;
        }
        text.assign(word);
    }
    return Execute(args, call, environment);
}

bool CCommand::Run(std::span<const CommandArgument> values, const CommandCall& call, CommandEnvironment& environment) {
    CommandArgs args;
    for (size_t i = 0; i < kinds_.size() && i < CommandArgs::kMax; ++i) {
        if (i >= values.size()) {
            if (kinds_[i] == ParamKind::Rest) continue;
            if (kinds_[i] == ParamKind::Channel && TakeChannelContext(call, args.texts_[i])) continue;
            return false;
        }
        const CommandArgument& value = values[i];
        if ((kinds_[i] == ParamKind::Integer) != value.isInteger) return false;
        if (kinds_[i] == ParamKind::Channel && !IsChannelName(value.text)) return false;
        if (kinds_[i] == ParamKind::Nick && value.text.starts_with('#')) return false;
        args.texts_[i] = value.isInteger ? std::to_string(value.number) : value.text;
        args.numbers_[i] = value.number;
    }
    return Execute(args, call, environment);
}

}  // namespace parlevox
