// A module file written by the client is read by another program: the
// script tool, run as its own process, unpacks what this one saved.
#include <gtest/gtest.h>

#include "modules/ModuleManager.h"
#include "script/ScriptCompiler.h"
#include "support/ChildProcess.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

TEST(ModuleExchangeTest, AModuleSavedHereIsReadByAFreshProcess) {
    TempDir dir;
    ScriptedUserInterface ui;
    CModuleManager modules(ui);
    CScriptModule* module = modules.Create("Shared", "ann", "", std::nullopt, dir.File("Shared.ParlevoxModule"));
    ASSERT_TRUE(module);
    module->Globals().Add("sWords", module->NextVariableId()).value = CVariable({VariableComponent::String("hi")});
    CScriptFunction& function = module->AddFunction(std::make_unique<CScriptFunction>("Motto"));
    function.SetSource("Motto<>\r\n  return sWords;\r\n");
    CompileResult compiled = CompileScript(function.Source(), modules.ScopeFor(*module, function, {}));
    function.SetTree(std::move(std::get<std::unique_ptr<CParseTree>>(compiled)));
    ASSERT_TRUE(modules.Save(*module));

    ChildProcess tool({PARLEVOX_SCRIPT_TOOL_PATH, "unpack", dir.File("Shared.ParlevoxModule"), dir.File("out")}, {});
    ASSERT_TRUE(tool.Started());
    EXPECT_EQ(tool.Wait(10000), 0) << tool.Output();
    EXPECT_NE(ReadWholeFile(dir.File("out/Motto.pvs")).find("return sWords;"), std::string::npos);
    EXPECT_NE(ReadWholeFile(dir.File("out/globals.txt")).find("sWords"), std::string::npos);
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace parlevox::test
