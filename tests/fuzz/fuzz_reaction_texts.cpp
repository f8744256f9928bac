// The reaction text reader: whatever it takes, writing it out and reading
// that back must give the same reaction; whatever it refuses, it says why.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "modules/Reaction.h"
#include "FuzzFail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ParsedReaction first = CReaction::FromText(text);
    if (!first.reaction) {
        if (first.error.empty()) FuzzFail("fuzz_reaction_texts", "a refused text without a reason");
        return 0;
    }
    ParsedReaction second = CReaction::FromText(first.reaction->ToText());
    if (!second.reaction) FuzzFail("fuzz_reaction_texts", "the written text cannot be read back");
    if (!(*second.reaction == *first.reaction)) FuzzFail("fuzz_reaction_texts", "the reaction read back differs");
    return 0;
}
