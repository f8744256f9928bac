#pragma once
// Where a message publishes its fields as script system variables (sSysText,
// iSysHandled, ...) before a reaction runs, and reads changed ones back
// after it. The script variable store implements it.
#include <optional>
#include <string>
#include <string_view>

namespace parlevox {

class SystemVariableSink {
public:
    virtual ~SystemVariableSink() = default;

    virtual void SetString(std::string_view name, std::string_view value) = 0;
    virtual void SetInt(std::string_view name, int value) = 0;
    // Empty when there is no string variable of that name.
    virtual std::optional<std::string> GetString(std::string_view name) = 0;
};

}  // namespace parlevox
