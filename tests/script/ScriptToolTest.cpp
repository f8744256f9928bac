// parlevox-script as an editor or CI meets it: errors as FILE:LINE:COLUMN,
// exit status 1 on any, and a run printing command lines then the result.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ScriptTool.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Tool(const std::vector<std::string>& args) {
    char *outText = nullptr, *errText = nullptr;
    size_t outSize = 0, errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    Outcome outcome{RunScriptTool(args, out, err), {}, {}};
    std::fclose(out);
    std::fclose(err);
    outcome.out.assign(outText, outSize);
    outcome.err.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    return outcome;
}

TEST(ScriptToolTest, ChecksFilesAndRunsAFunction) {
    test::TempDir dir;
    auto write = [&](const char* name, const char* text) {
        std::ofstream(dir.File(name), std::ios::binary) << text;
        return dir.File(name);
    };
    const std::string good = write("Greet.pvs", "// locals: sNick iTimes\nGreet<sNick, iTimes>\n{\n"
                                                "  /msg %sNick% hello\n  return <iTimes * 2, sNick>;\n}\n");
    const std::string bad = write("Bad.pvs", "// locals: iX\nBad<>\n{\n  iX = 1\n}\n");

    Outcome checked = Tool({"check", good, bad, dir.File("missing.pvs")});
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.err, bad + ":5:1: Syntax error.\n" + dir.File("missing.pvs") + ": cannot read the file\n");
    EXPECT_EQ(Tool({"check", good}).status, 0);

    Outcome ran = Tool({"run", good, "ann", "21"});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.out, "/msg ann hello\n42\nann\n");
    Outcome refused = Tool({"run", good, "ann", "many"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("is not a whole number"), std::string::npos) << refused.err;
    EXPECT_EQ(Tool({"frobnicate"}).status, 2);
}

}  // namespace
}  // namespace parlevox
