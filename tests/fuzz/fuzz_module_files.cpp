// Module files as users exchange them. What loads must write out and load
// back to the same bytes; what does not load must fail with one of the
// loader's messages.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzFail.h"
#include "common/StringRecord.h"
#include "common/TextError.h"
#include "modules/ScriptModule.h"
#include "script/VariableTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<CScriptModule> module;
    try {
        module = CScriptModule::Parse(input);
    } catch (const TextError& error) {
        const std::string_view text = error.Text();
        // A variable's name may also be refused with its own message.
        const bool loaderText = text == kModuleEndOfFile || text == kModuleCorrupt || text == kInvalidTypeInName ||
                                text == kInvalidTypeAfterA || text == kTooManyTypesInName;
        if (!loaderText) FuzzFail("fuzz_module_files", "a refused file gave another message");
        return 0;
    }
    const std::string written = module->Serialize();
    std::unique_ptr<CScriptModule> again;
    try {
        again = CScriptModule::Parse(written);
    } catch (const TextError&) {
        FuzzFail("fuzz_module_files", "a written module does not load back");
    }
    if (again->Serialize() != written) FuzzFail("fuzz_module_files", "a written module loads back differently");
    return 0;
}
