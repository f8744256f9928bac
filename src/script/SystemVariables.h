#pragma once
// The fixed table of system variables: 45 entries numbered from 1 in table
// order, all read-only to scripts. Events publish into it by name (it is
// the SystemVariableSink of the message classes) and the command processor
// stores sC and sN; the "on read" entries are computed from a
// SystemVariableProvider each time they are read.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "irc/SystemVariableSink.h"
#include "script/SystemVariableProvider.h"
#include "script/Variable.h"
#include "script/VariableDefinitions.h"

namespace parlevox {

class SystemVariables : public SystemVariableSink {
public:
    static constexpr int32_t kCount = 45;

    // Reads the connection state and the clock; the state must outlive the table.
    explicit SystemVariables(const ConnectionState& state);
    // The provider must outlive the table.
    explicit SystemVariables(const SystemVariableProvider& provider);
    SystemVariables(const SystemVariables&) = delete;
    SystemVariables& operator=(const SystemVariables&) = delete;

    void SetProvider(const SystemVariableProvider& provider) { provider_ = &provider; }

    // 1-45, or 0 when the name (case-sensitive) is not a system variable.
    static int32_t Number(std::string_view name);
    // Empty for a number outside 1-45.
    static std::string_view Name(int32_t number);
    static VariableAccess Access(int32_t /*number*/) { return VariableAccess::Read; }

    // The current value; an "on read" entry is computed now. nullptr for a
    // number outside 1-45. The pointer stays valid as long as the table.
    CVariable* Read(int32_t number);

    // Publishing: a name that is not in the table, or whose variable is not
    // a single component of that type, is ignored (messages publish a few
    // fields, such as iSysDCCPosition, that have no entry).
    void SetString(std::string_view name, std::string_view value) override;
    void SetInt(std::string_view name, int value) override;
    // The value of a string entry, computed when it is "on read".
    std::optional<std::string> GetString(std::string_view name) override;

private:
    void Refresh(int32_t number);
    VariableComponent* ScalarOf(std::string_view name, ComponentType type);

    std::unique_ptr<ConnectionStateProvider> ownProvider_;
    const SystemVariableProvider* provider_;
    std::array<CVariable, kCount> values_;
};

}  // namespace parlevox
