#include "ScriptTool.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "ModuleFolder.h"
#include "commands/BuiltInCommands.h"
#include "common/TextHelpers.h"
#include "script/StandaloneScript.h"

namespace parlevox {
namespace {

constexpr const char* kUsage =
    "usage: parlevox-script check FILE...\n"
    "       parlevox-script run FILE [ARG...]\n"
    "       parlevox-script pack FOLDER MODULE-FILE\n"
    "       parlevox-script unpack MODULE-FILE FOLDER\n"
    "A file holds one function; its first line may name the variables it uses:\n"
    "  // locals: iCount sName asList\n";

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The command table's names compile as function names; calling them needs
// the client, which StandaloneScript says when it happens.
FunctionNameTest CommandNames() {
    auto names = std::make_shared<std::vector<std::string>>();
    std::vector<std::unique_ptr<CCommand>> table;
    AddBuiltInCommands(table);
    for (const auto& command : table) names->push_back(command->Name());
    return [names](std::string_view name) {
        for (const std::string& known : *names)
            if (EqualsIgnoringCase(known, name)) return true;
        return false;
    };
}

std::unique_ptr<StandaloneScript> Load(const std::string& path, std::FILE* err) {
    std::optional<std::string> text = ReadFile(path);
    if (!text) {
        std::fprintf(err, "%s: cannot read the file\n", path.c_str());
        return nullptr;
    }
    auto script = std::make_unique<StandaloneScript>(ScriptSourceFile::FromText(std::move(*text)), CommandNames());
    std::optional<CompileFailure> failure;
    try {
        failure = script->Compile();
    } catch (const TextError& error) {
        std::fprintf(err, "%s:1:1: %s\n", path.c_str(), error.Text());
        return nullptr;
    }
    if (failure) {
        SourcePosition at = PositionOf(script->File().source, failure->offset);
        std::fprintf(err, "%s:%d:%d: %s\n", path.c_str(), at.line, at.column, failure->text.c_str());
        return nullptr;
    }
    return script;
}

void PrintComponent(const VariableComponent& c, std::FILE* out) {
    switch (c.type) {
        case ComponentType::Int: std::fprintf(out, "%d\n", c.number); break;
        case ComponentType::String:
        case ComponentType::Function: std::fprintf(out, "%s\n", c.text.c_str()); break;
        case ComponentType::IntArray:
            for (size_t i = 0; i < c.numbers.size(); ++i) std::fprintf(out, "%s%d", i ? " " : "", c.numbers[i]);
            std::fputc('\n', out);
            break;
        default:
            for (size_t i = 0; i < c.texts.size(); ++i) std::fprintf(out, "%s%s", i ? " " : "", c.texts[i].c_str());
            std::fputc('\n', out);
    }
}

int Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::unique_ptr<StandaloneScript> script = Load(args[1], err);
    if (!script) return 1;
    std::vector<std::string> arguments(args.begin() + 2, args.end());
    int status = 0;
    CVariable result;
    try {
        result = script->Run(arguments);
    } catch (const TextError& fault) {
        std::fprintf(err, "%s: %s\n", args[1].c_str(), fault.Text());
        status = 1;
    }
    for (const std::string& line : script->CommandLines()) std::fprintf(out, "%s\n", line.c_str());
    for (const std::string& fault : script->NestedFaults()) std::fprintf(err, "%s: %s\n", args[1].c_str(), fault.c_str());
    for (const VariableComponent& c : result.Components()) PrintComponent(c, out);
    return status;
}

}  // namespace

int RunScriptTool(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    if (args.size() >= 2 && args[0] == "check") {
        int status = 0;
        for (size_t i = 1; i < args.size(); ++i)
            if (!Load(args[i], err)) status = 1;
        return status;
    }
    if (args.size() >= 2 && args[0] == "run") return Run(args, out, err);
    if (args.size() == 3 && args[0] == "pack") return PackCommand(args[1], args[2], err);
    if (args.size() == 3 && args[0] == "unpack") return UnpackCommand(args[1], args[2], err);
    std::fputs(kUsage, args.empty() || args[0] == "--help" ? out : err);
    return args.empty() || args[0] == "--help" ? 0 : 2;
}

}  // namespace parlevox
