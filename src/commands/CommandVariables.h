#pragma once
// The script variables the command processor reads and writes: it sets sC
// and sN before every line and expands "%sName%" references in typed lines.
// The script engine, which lies above the commands, implements it.
#include <optional>
#include <string>
#include <string_view>

namespace parlevox {

class CommandVariables {
public:
    virtual ~CommandVariables() = default;
    // sC and sN.
    virtual void SetContext(std::string_view channel, std::string_view nick) = 0;
    // The value of the named variable as text (a string unchanged, an integer
    // in decimal, a float as its text); nullopt when no variable has the name.
    virtual std::optional<std::string> ValueText(std::string_view name) = 0;
};

}  // namespace parlevox
