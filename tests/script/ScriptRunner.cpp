#include "ScriptRunner.h"

namespace parlevox::test {
namespace {

std::string ShowItems(const std::vector<std::string>& texts, bool quoted) {
    std::string shown = "[";
    for (size_t i = 0; i < texts.size(); ++i) shown += (i ? ", " : "") + (quoted ? "\"" + texts[i] + "\"" : texts[i]);
    return shown + "]";
}

std::string ShowComponent(const VariableComponent& c) {
    switch (c.type) {
        case ComponentType::String: return "\"" + c.text + "\"";
        case ComponentType::Int: return std::to_string(c.number);
        case ComponentType::Function: return "&" + c.text;
        case ComponentType::StringArray: return ShowItems(c.texts, true);
        case ComponentType::FunctionArray: return ShowItems(c.texts, false);
        case ComponentType::IntArray: {
            std::vector<std::string> numbers;
            for (int32_t n : c.numbers) numbers.push_back(std::to_string(n));
            return ShowItems(numbers, false);
        }
    }
    return "?";
}

}  // namespace

std::string ShowValue(const CVariable& value) {
    std::string shown;
    for (size_t i = 0; i < value.Count(); ++i) shown += (i ? ", " : "") + ShowComponent(value.Component(i));
    return shown;
}

std::string RunScript(const std::string& source, const std::vector<std::string>& arguments,
                      std::vector<std::string>* commandLines) {
    StandaloneScript script(ScriptSourceFile::FromText(source));
    if (auto failure = script.Compile()) return "compile: " + failure->text + " @" + std::to_string(failure->offset);
    std::string outcome;
    try {
        outcome = ShowValue(script.Run(arguments));
    } catch (const TextError& fault) {
        outcome = std::string("fails: ") + fault.Text();
    }
    if (commandLines) *commandLines = script.CommandLines();
    return outcome;
}

}  // namespace parlevox::test
