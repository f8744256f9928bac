#pragma once
// A place besides the built-in table that may own a command name: the
// script modules' functions and the script-command plug-ins. The processor
// asks its sources in the order they were added, before the built-ins.
#include <span>
#include <string_view>

#include "commands/CommandEnvironment.h"

namespace parlevox {

class CommandSource {
public:
    virtual ~CommandSource() = default;
    virtual bool Has(std::string_view name) const = 0;
    // words: those after the command name, each with the spaces the splitter
    // left on it (JoinedRest gives the text as typed). True when this source
    // took the line, whether or not the call then succeeded: it reports its
    // own failures into call.output.
    virtual bool TryRun(std::string_view name, std::span<const std::string_view> words, const CommandCall& call) = 0;
};

}  // namespace parlevox
