#pragma once
// How compiled code names a variable: a scope code and an id. The scope is
// local, module-wide or system, or else the id of the module that owns a
// global variable. For a system variable the id is its table number.
#include <cstdint>

namespace parlevox {

inline constexpr int32_t kScopeLocal = 0;
inline constexpr int32_t kScopeModuleWide = 1;
inline constexpr int32_t kScopeSystem = 2;

struct VariableReference {
    int32_t scope = kScopeLocal;
    int32_t id = 0;

    bool IsGlobal() const { return scope != kScopeLocal && scope != kScopeModuleWide && scope != kScopeSystem; }
    bool operator==(const VariableReference&) const = default;
};

}  // namespace parlevox
