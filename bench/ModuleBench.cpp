// Start-up's share of the scripts: loading 50 installed modules of 100
// compiled functions each from their files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "modules/ModuleManager.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include "script/ScriptCompiler.h"

namespace parlevox {
namespace {

constexpr int kModules = 50;
constexpr int kFunctionsEach = 100;

class SilentUserInterface final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest& request) override {
        throw std::runtime_error(request.text);  // nothing may fail here
    }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

// An ordinary function of about ten lines.
std::string Source(const std::string& name) {
    return name + "<sNick, iCount>\r\n{\r\n  if (iCount > 3 && sNick != \"\")\r\n  {\r\n"
                  "    asSeen[iCount] = sNick;\r\n    iTotal += iCount * 2;\r\n  }\r\n"
                  "  while (iCount < 10) { iCount++; sText += \"-\"; }\r\n"
                  "  /msg %sNick% seen %iCount% times\r\n  return <sText, iTotal>;\r\n}\r\n";
}

std::string WriteModule(const std::string& folder, int index) {
    CScriptModule module(0x10000 + index, "Module" + std::to_string(index), "bench", "");
    module.ModuleWide().Add("iTotal", module.NextVariableId());
    for (int f = 0; f < kFunctionsEach; ++f) {
        const std::string name = "Fn" + std::to_string(index) + "x" + std::to_string(f);
        auto& function = module.AddFunction(std::make_unique<CScriptFunction>(name));
        for (const char* local : {"sNick", "iCount", "asSeen", "sText"})
            function.Locals().Add(local, module.NextVariableId());
        function.SetSource(Source(name));
        CCompileScope scope(name, &function.Locals(), &module.ModuleWide(), {});
        CompileResult result = CompileScript(function.Source(), scope);
        if (auto* failure = std::get_if<CompileFailure>(&result)) throw std::runtime_error(failure->text);
        function.SetTree(std::move(std::get<std::unique_ptr<CParseTree>>(result)));
    }
    const std::string path = folder + "/" + module.Name() + ".ParlevoxModule";
    if (!SafeFile::WriteAtomically(path, module.Serialize())) throw std::runtime_error("cannot write " + path);
    return path;
}

// The 50 module files in a folder of their own for as long as it lives.
struct InstalledFiles {
    InstalledFiles() {
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kModules; ++i) paths.push_back(WriteModule(folder, i));
    }
    ~InstalledFiles() { std::filesystem::remove_all(folder); }
    const std::string folder = (std::filesystem::temp_directory_path() / "parlevox-module-bench").string();
    std::vector<std::string> paths;
};

void BM_LoadInstalledModules(benchmark::State& state) {
    InstalledFiles files;
    SilentUserInterface ui;
    for (auto _ : state) {
        CModuleManager modules(ui);
        modules.LoadInstalled(files.paths, files.folder);
        benchmark::DoNotOptimize(modules.Modules().size());
    }
    uintmax_t bytes = 0;
    for (const std::string& path : files.paths) bytes += std::filesystem::file_size(path);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_LoadInstalledModules)->Unit(benchmark::kMillisecond);

// Finding the function a call by name reaches among the 5,000 installed:
// the first module's, so every later module is passed over.
void BM_FindFunctionByName(benchmark::State& state) {
    InstalledFiles files;
    SilentUserInterface ui;
    CModuleManager modules(ui);
    modules.LoadInstalled(files.paths, files.folder);
    for (auto _ : state) benchmark::DoNotOptimize(modules.FindFunction("FN0X7").function);
}
BENCHMARK(BM_FindFunctionByName);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
