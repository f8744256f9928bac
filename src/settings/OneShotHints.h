#pragma once
// "One-shot information": a hint that was shown once is not shown again.
// Each hint is a value named by its string-resource number ("%i"), 1 once
// shown.
#include <array>

#include "platform/Registry.h"

namespace parlevox {

class OneShotHints {
public:
    static constexpr const char* kSection = "One-shot information";
    // Marked at once when the new user says they are an expert: notice,
    // private message, DCC file offer and CTCP message.
    static constexpr std::array<int, 4> kExpertHints = {61231, 61221, 61222, 61237};

    static bool WasShown(Registry& registry, int hint);
    static void MarkShown(Registry& registry, int hint);
    static void MarkExpertHintsShown(Registry& registry);
};

}  // namespace parlevox
