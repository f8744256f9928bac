#include "modules/CommandArguments.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "commands/CommandWords.h"

namespace parlevox {
namespace {

// -12 and "7 " are integers; "+3", "1x" and "" are not.
std::optional<int32_t> CommandInteger(std::string_view word) {
    if (!word.empty() && word.back() == ' ') word.remove_suffix(1);
    const bool negative = !word.empty() && word.front() == '-';
    if (negative) word.remove_prefix(1);
    if (word.empty() || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int64_t value = 0;
    for (char c : word) value = std::min<int64_t>(value * 10 + (c - '0'), int64_t{1} << 32);
    return static_cast<int32_t>(static_cast<uint32_t>(negative ? -value : value));
}

}  // namespace

std::variant<CVariable, CommandArgumentProblem> ArgumentFromWords(std::string_view signature,
                                                                  std::span<const std::string_view> words) {
    using Kind = CommandArgumentProblem::Kind;
    CVariable argument;
    size_t next = 0;
    for (size_t k = 0; k < signature.size(); ++k) {
        const char type = signature[k];
        const bool last = k + 1 == signature.size();
        if (type != 's' && type != 'i' && type != 'f') return CommandArgumentProblem{Kind::Array, {}};
        if (next >= words.size()) {
            if (type == 's' && last) {
                argument.Append(VariableComponent::String(""));
                continue;
            }
            return CommandArgumentProblem{Kind::Insufficient, {}};
        }
        const std::string_view word = words[next++];
        if (type == 'i') {
            std::optional<int32_t> number = CommandInteger(word);
            if (!number) return CommandArgumentProblem{Kind::NotAnInteger, std::string(BareWord(word))};
            argument.Append(VariableComponent::Int(*number));
        } else if (type == 'f') {
            argument.Append(VariableComponent::Function(std::string(BareWord(word))));
        } else {
            const std::string_view text = last ? JoinedRest(words.subspan(next - 1)) : BareWord(word);
            argument.Append(VariableComponent::String(std::string(text)));
            if (last) next = words.size();
        }
    }
    return argument;
}

}  // namespace parlevox
