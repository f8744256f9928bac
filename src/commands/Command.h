#pragma once
// The base of every built-in command class: a name (compared without case),
// up to four parameters of five kinds, a help text, and the run operation
// that binds typed words or script values to the parameters first.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandArgument.h"
#include "commands/CommandEnvironment.h"

namespace parlevox {

enum class ParamKind : uint8_t { Channel = 0, Integer = 1, Word = 2, Rest = 3, Nick = 4 };

inline bool IsChannelName(std::string_view text) {
    return !text.empty() && (text[0] == '#' || text[0] == '&' || text[0] == '+');
}

// The parameters once bound: text for every kind, the number for integers.
class CommandArgs {
public:
    static constexpr size_t kMax = 4;
    const std::string& Text(size_t i) const { return texts_[i]; }
    int32_t Number(size_t i) const { return numbers_[i]; }

private:
    friend class CCommand;
    std::array<std::string, kMax> texts_;
    std::array<int32_t, kMax> numbers_ {};
};

class CCommand {
public:
    CCommand(std::string name, std::initializer_list<ParamKind> kinds, std::string help);
    virtual ~CCommand() = default;
    CCommand(const CCommand&) = delete;
    CCommand& operator=(const CCommand&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Help() const { return help_; }
    const std::vector<ParamKind>& Kinds() const { return kinds_; }

    // Typed words, each with the spaces the splitter left on it. False when
    // the words do not fit this class's parameters.
    bool Run(std::span<const std::string_view> words, const CommandCall& call, CommandEnvironment& environment);
    // Values from a script call.
    bool Run(std::span<const CommandArgument> values, const CommandCall& call, CommandEnvironment& environment);

protected:
    // The parameters fitted; false still passes the line to the next class
    // of the same name.
    virtual bool Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& environment) = 0;

private:
    std::string name_;
    std::vector<ParamKind> kinds_;
    std::string help_;
};

}  // namespace parlevox
