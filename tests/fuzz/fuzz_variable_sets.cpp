// Variable sets in their stored forms, both versions the reader accepts, and
// single values. What loads must write out and load back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ByteReader.h"
#include "common/TextError.h"
#include "script/Variable.h"
#include "script/VariableDefinitions.h"
#include "FuzzFail.h"

namespace parlevox {
namespace {

constexpr const char* kShortRead = "Unexpected end of file when loading a module.";

bool SameEntries(const CVariableDefinitions& a, const CVariableDefinitions& b) {
    if (a.Size() != b.Size()) return false;
    for (size_t i = 0; i < a.Size(); ++i) {
        const auto& x = a.Entries()[i];
        const auto& y = b.Entries()[i];
        if (x.id != y.id || x.access != y.access || x.name != y.name || !(x.value == y.value)) return false;
    }
    return true;
}

void Set(std::string_view input, ModuleFileVersion version) {
    CVariableDefinitions set;
    ByteReader reader(input, kShortRead);
    try {
        set.Load(reader, version);
    } catch (const TextError&) {
        if (set.Size() != 0) FuzzFail("fuzz_variable_sets", "a failed load changed the set");
        return;
    }
    (void)set.DisplayList(true);
    ByteWriter writer;
    set.Write(writer);
    CVariableDefinitions again;
    ByteReader second(writer.Bytes(), kShortRead);
    try {
        again.Load(second, ModuleFileVersion::V1_0);
    } catch (const TextError&) {
        FuzzFail("fuzz_variable_sets", "a written set does not load back");
    }
    if (!second.AtEnd() || !SameEntries(set, again)) FuzzFail("fuzz_variable_sets", "a written set loads back differently");
}

void Value(std::string_view input) {
    ByteReader reader(input, kShortRead);
    CVariable value;
    try {
        value = CVariable::Read(reader);
    } catch (const TextError&) {
        return;
    }
    (void)value.LongTypeString();
    (void)value.Truth();
    ByteWriter writer;
    value.Write(writer);
    ByteReader second(writer.Bytes(), kShortRead);
    if (!(CVariable::Read(second) == value) || !second.AtEnd()) FuzzFail("fuzz_variable_sets", "a written value reads back differently");
}

}  // namespace
}  // namespace parlevox

// The first byte picks what the rest is.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
        case 0: Set(rest, ModuleFileVersion::V1_0); break;
        case 1: Set(rest, ModuleFileVersion::V1_1); break;
        default: Value(rest); break;
    }
    return 0;
}
