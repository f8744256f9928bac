// Every example of docs/script-language.md runs as the page says: a
// ```script block's "// returns:", "// fails:" or "// does not compile:" line
// is what it must give, with the arguments of its "// call:" line.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "ScriptRunner.h"

namespace parlevox {
namespace {

struct Example {
    std::string source;
    std::vector<std::string> arguments;
    std::string expected;
};

std::string After(const std::string& line, const std::string& mark) {
    return line.rfind(mark, 0) == 0 ? line.substr(mark.size()) : std::string();
}

std::vector<Example> ExamplesOf(const std::string& page) {
    std::vector<Example> examples;
    std::istringstream lines(page);
    std::string line;
    Example* current = nullptr;
    while (std::getline(lines, line)) {
        if (line == "```script") {
            examples.emplace_back();
            current = &examples.back();
        } else if (line == "```") {
            current = nullptr;
        } else if (current) {
            current->source += line + "\n";
            if (std::string call = After(line, "// call: "); !call.empty()) {
                std::istringstream words(call);
                for (std::string word; words >> word;) current->arguments.push_back(word);
            }
            if (std::string value = After(line, "// returns: "); !value.empty()) current->expected = value;
            if (std::string fault = After(line, "// fails: "); !fault.empty()) current->expected = "fails: " + fault;
            if (std::string error = After(line, "// does not compile: "); !error.empty())
                current->expected = "compile: " + error + " @";
        }
    }
    return examples;
}

TEST(ScriptLanguageNotesTest, EveryExampleRunsAsThePageSays) {
    std::ifstream in(PARLEVOX_DOCS_DIR "/script-language.md", std::ios::binary);
    ASSERT_TRUE(in) << "docs/script-language.md";
    const std::vector<Example> examples =
        ExamplesOf(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    ASSERT_GE(examples.size(), 8u);
    for (const Example& example : examples) {
        ASSERT_FALSE(example.expected.empty()) << "an example without its outcome:\n" << example.source;
        const std::string outcome = test::RunScript(example.source, example.arguments);
        if (example.expected.ends_with(" @"))  // a compile error, at whatever offset
            EXPECT_TRUE(outcome.starts_with(example.expected)) << outcome << "\n" << example.source;
        else
            EXPECT_EQ(outcome, example.expected) << example.source;
    }
}

}  // namespace
}  // namespace parlevox
