#include "FunctionCompiling.h"

#include <algorithm>
#include <set>

#include "TextTokens.h"
#include "commands/BuiltInCommands.h"
#include "common/TextError.h"
#include "common/TextHelpers.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptSourceFile.h"

namespace parlevox {
namespace {

constexpr std::string_view kLocalsMark = "// locals:";

std::string Replace(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    size_t at = 0;
    for (size_t found; (found = text.find(from, at)) != std::string_view::npos; at = found + from.size())
        out.append(text.substr(at, found - at)).append(to);
    return out.append(text.substr(at));
}

// What separates the names of a locals line (ScriptSourceFile), or ends it.
bool IsLocalsLineSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string WithLf(std::string_view source) { return Replace(source, "\r\n", "\n"); }
std::string WithCrLf(std::string_view text) { return Replace(WithLf(text), "\n", "\r\n"); }

std::string At(const std::string& path, SourcePosition position, const std::string& message) {
    return path + ":" + std::to_string(position.line) + ":" + std::to_string(position.column) + ": " + message;
}

FunctionNameTest NamesKnownHere(const std::vector<FunctionText>& functions) {
    auto names = std::make_shared<std::vector<std::string>>();
    for (const FunctionText& function : functions) names->push_back(function.name);
    std::vector<std::unique_ptr<CCommand>> table;
    AddBuiltInCommands(table);
    for (const auto& command : table) names->push_back(command->Name());
    return [names](std::string_view name) {
        return std::any_of(names->begin(), names->end(),
                           [&](const std::string& known) { return EqualsIgnoringCase(known, name); });
    };
}

int32_t LargestVariableId(const CScriptModule& module) {
    std::set<int32_t> ids;
    for (const CVariableDefinitions* set : {&module.ModuleWide(), &module.Globals()})
        for (const auto& entry : set->Entries())
            if (!ids.insert(entry.id).second)
                throw FunctionCompileError{"the variable id " + std::to_string(entry.id) + " (" + entry.name +
                                           ") is used twice in the module"};
    return ids.empty() ? 0 : *ids.rbegin();
}

void CheckNamesDiffer(const std::vector<FunctionText>& functions) {
    for (size_t i = 0; i < functions.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (EqualsIgnoringCase(functions[i].name, functions[j].name))
                throw FunctionCompileError{functions[i].path + ": the module has two functions named " +
                                           functions[i].name};
}

std::unique_ptr<CScriptFunction> CompiledFunction(const CScriptModule& module, const FunctionText& text,
                                                  int32_t& lastId, const FunctionNameTest& known) {
    const size_t lineEnd = std::min(text.fileText.find('\n'), text.fileText.size());
    const std::string firstLine = text.fileText.substr(0, lineEnd);
    if (!firstLine.starts_with(kLocalsMark))
        throw FunctionCompileError{
            At(text.path, {1, 1}, "the first line names the variables: // locals: iCount sName")};
    const std::string body = text.fileText.substr(std::min(lineEnd + 1, text.fileText.size()));
    std::string source = text.crlf ? WithCrLf(body) : body;

    ScriptSourceFile file = ScriptSourceFile::FromText(firstLine);
    if (ScriptSourceFile::FromText(source).functionName != text.name)
        throw FunctionCompileError{At(text.path, {2, 1}, "the source must define the function " + text.name)};
    auto function = std::make_unique<CScriptFunction>(text.name);
    function->SetSource(std::move(source));
    function->SetEditorValues(text.editorValue1, text.editorValue2);
    for (const std::string& name : file.locals) {
        if (function->Locals().FindId(name) != 0) continue;
        try {
            function->Locals().Add(name, ++lastId);
        } catch (const TextError& error) {
            throw FunctionCompileError{At(text.path, {1, 1}, error.Text())};
        }
    }
    CCompileScope scope(text.name, &function->Locals(), &module.ModuleWide(), {{module.Id(), &module.Globals()}},
                        known);
    CompileResult result = CompileScript(function->Source(), scope);
    if (auto* failure = std::get_if<CompileFailure>(&result)) {
        SourcePosition position = PositionOf(function->Source(), failure->offset);
        ++position.line;  // past the locals line
        throw FunctionCompileError{At(text.path, position, failure->text)};
    }
    function->SetTree(std::move(std::get<std::unique_ptr<CParseTree>>(result)));
    return function;
}

}  // namespace

std::vector<FunctionText> FunctionTexts(const CScriptModule& module) {
    std::vector<FunctionText> texts;
    for (const auto& function : module.Functions()) {
        FunctionText text{function->Name(), false, function->EditorValue1(), function->EditorValue2(), {}, {}};
        const std::string& source = function->Source();
        text.crlf = WithCrLf(WithLf(source)) == source;
        text.fileText = std::string(kLocalsMark);
        for (const auto& local : function->Locals().Entries()) {
            if (local.name.empty() || std::ranges::any_of(local.name, [](char c) { return IsLocalsLineSpace(c); }))
                throw TextError("the function " + function->Name() + " has a variable whose name " +
                                TokenText(local.name) + " cannot stand on a locals line");
            text.fileText += " " + local.name;
        }
        text.fileText += "\n" + (text.crlf ? WithLf(source) : source);
        texts.push_back(std::move(text));
    }
    return texts;
}

void AddCompiledFunctions(CScriptModule& module, const std::vector<FunctionText>& functions) {
    CheckNamesDiffer(functions);
    int32_t lastId = LargestVariableId(module);
    const FunctionNameTest known = NamesKnownHere(functions);
    for (const FunctionText& text : functions) module.AddFunction(CompiledFunction(module, text, lastId, known));
}

}  // namespace parlevox
