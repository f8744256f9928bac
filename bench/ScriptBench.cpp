// The script language's costs: compiling an ordinary long function, how
// quickly hostile sources end with their error, and the interpreter's
// price per tree node with the Pause poll in place.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "script/StandaloneScript.h"

namespace parlevox {
namespace {

std::string Repeat(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// About 300 lines of the kind of code users write: conditions, loops,
// strings, arrays, command lines.
std::string OrdinaryFunction() {
    std::string body;
    for (int i = 0; i < 20; ++i) {
        body += "  if (iCount > " + std::to_string(i) + " && sNick != \"\")\n  {\n";
        body += "    sText = sText + \"<\" + sNick + \"> \" + iCount;\n";
        body += "    asSeen[iCount] = sNick;\n";
        body += "    for ({ iI = 0; } iI < #asSeen; { iI++; })\n    {\n";
        body += "      if (asSeen[iI] == sNick) iFound = iI;\n";
        body += "    }\n";
        body += "    /msg %sNick% seen %iFound% times\n";
        body += "  }\n  else\n  {\n";
        body += "    while (iCount < 10) { iCount += 2; sText += \"-\"; }\n";
        body += "  }\n";
    }
    return "// locals: sNick iCount sText asSeen iI iFound\nReport<sNick, iCount>\n{\n" + body +
           "  return <sText, iFound>;\n}\n";
}

std::string Function(const std::string& locals, const std::string& body) {
    return "// locals: " + locals + "\nT<>\n{\n" + body + "\n}\n";
}

void BM_CompileOrdinaryFunction(benchmark::State& state) {
    const std::string source = OrdinaryFunction();
    for (auto _ : state) {
        StandaloneScript script(ScriptSourceFile::FromText(source));
        if (auto failure = script.Compile()) throw std::runtime_error(failure->text);
    }
    state.counters["lines"] = static_cast<double>(std::count(source.begin(), source.end(), '\n'));
}
BENCHMARK(BM_CompileOrdinaryFunction)->Unit(benchmark::kMillisecond);

// Each ends with its error (or, for the long chains, compiles) in well
// under a second.
const std::pair<const char*, std::string> kHostileSources[] = {
    {"1 MB of statements", Function("iX", Repeat("  iX = iX + 1;\n", 70000))},
    {"100000 parentheses", Function("iX", "iX = " + Repeat("(", 100000) + "1" + Repeat(")", 100000) + ";")},
    {"10000 else if", Function("iX", "if (iX) iX++;" + Repeat(" else if (iX) iX++;", 10000))},
    {"1 MB of backslashes", Function("sX", "sX = \"" + Repeat("\\\\", 500000) + "\";")},
    {"5000-digit number", Function("iX", "iX = " + Repeat("9", 5000) + ";")},
    {"5000-operand sum", Function("iX iA", "iX = iA" + Repeat(" + iA", 4999) + ";")},
    {"3000-operand comparison chain", Function("iX iA", "iX = iA" + Repeat(" < iA", 2999) + ";")},
    {"unterminated string at the last byte", Function("sX", "sX = 1;") + "\""},
};

void BM_HostileSource(benchmark::State& state) {
    const auto& [name, source] = kHostileSources[state.range(0)];
    std::optional<CompileFailure> failure;
    for (auto _ : state) {
        StandaloneScript script(ScriptSourceFile::FromText(source));
        failure = script.Compile();
    }
    state.SetLabel(std::string(name) + ": " + (failure ? failure->text.substr(0, 40) : "compiles"));
}
BENCHMARK(BM_HostileSource)
    ->DenseRange(0, std::size(kHostileSources) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Per node: the loop runs once with a one-term expression and once with
// `terms` more operands; the difference over the extra nodes (one operand
// and one operator node each) is the cost of a node. Integers take the
// interpreter's shortcut; empty strings show the general value rules.
std::string NodeLoop(const char* locals, const char* set, const char* operand, int terms) {
    return "// locals: iI " + std::string(locals) + "\nT<>\n{\n  " + set +
           "\n  for ({ iI = 0; } iI < 100000; { iI++; })\n    iX = " + operand +
           Repeat(std::string(" + ") + operand, terms) + ";\n  return iX;\n}\n";
}

void RunLoop(benchmark::State& state, const std::string& source) {
    StandaloneScript script(ScriptSourceFile::FromText(source));
    if (auto failure = script.Compile()) throw std::runtime_error(failure->text);
    for (auto _ : state) benchmark::DoNotOptimize(script.Run(std::vector<std::string>{}));
}

void BM_IntegerNodes(benchmark::State& state) {
    RunLoop(state, NodeLoop("iX iA", "iA = 1;", "iA", static_cast<int>(state.range(0))));
}
BENCHMARK(BM_IntegerNodes)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_StringNodes(benchmark::State& state) {
    std::string source = NodeLoop("sX sA", "sA = \"\";", "sA", static_cast<int>(state.range(0)));
    source.replace(source.find("iX = "), 5, "sX = ");
    source.replace(source.find("return iX"), 9, "return sX");
    RunLoop(state, source);
}
BENCHMARK(BM_StringNodes)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
