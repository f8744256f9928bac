// Installed modules at work: calls by name and as "/" commands, Init and
// Shutdown, installing, removing and saving, with real module files.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "commands/CommandWords.h"
#include "irc/ConnectionState.h"
#include "modules/ModuleTexts.h"
#include "modules/ScriptEngine.h"
#include "script/ScriptCompiler.h"

namespace parlevox {
namespace {

using test::TempDir;

class RecordingOutput final : public CommandOutput {
public:
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

class RecordingCommands final : public CommandLineRunner {
public:
    void Run(std::string_view line, const std::string&, const std::string&, CommandOutput&) override {
        lines.emplace_back(line);
    }
    std::string& CaptureText() override { return capture_; }
    std::vector<std::string> lines;

private:
    std::string capture_;
};

struct FunctionSpec {
    const char* name;
    std::vector<const char*> locals;
    const char* source;
};

// Writes a module whose functions are compiled against its own variables.
std::string WriteModule(const TempDir& dir, int32_t id, const std::string& name, std::vector<FunctionSpec> functions,
                        std::vector<const char*> globals = {}) {
    CScriptModule module(id, name, "", "");
    for (const char* global : globals) module.Globals().Add(global, module.NextVariableId()).access = VariableAccess::AnyW;
    FunctionNameTest isFunction = [&](std::string_view word) { return module.FindFunction(word, true) != nullptr; };
    for (const FunctionSpec& spec : functions) {
        auto function = std::make_unique<CScriptFunction>(spec.name);
        for (const char* local : spec.locals) function->Locals().Add(local, module.NextVariableId());
        function->SetSource(spec.source);
        module.AddFunction(std::move(function));
    }
    for (const auto& function : module.Functions()) {
        CCompileScope scope(function->Name(), &function->Locals(), &module.ModuleWide(),
                            {{module.Id(), &module.Globals()}}, isFunction);
        CompileResult result = CompileScript(function->Source(), scope);
        if (auto* failure = std::get_if<CompileFailure>(&result)) ADD_FAILURE() << function->Name() << ": " << failure->text;
        else function->SetTree(std::move(std::get<std::unique_ptr<CParseTree>>(result)));
    }
    const std::string path = dir.File(name + ".ParlevoxModule");
    test::WriteWholeFile(path, module.Serialize());
    return path;
}

class ScriptCallsTest : public ::testing::Test {
protected:
    CScriptEngine& Engine() {
        if (!engine_)
            engine_ = std::make_unique<CScriptEngine>(
                modules, system, commands, [this] { return ScriptRunContext{output, ""}; }, ColourCodes());
        return *engine_;
    }
    // The prefix-free text of the output's lines.
    std::vector<std::string> Said() const {
        std::vector<std::string> said;
        for (const std::string& line : output.lines) said.push_back(line.substr(line.find(' ', line.find(']')) + 1));
        return said;
    }
    CVariable Global(const char* module, const char* name) { return modules.FindByName(module)->Globals().Find(name)->value; }

    test::ScriptedUserInterface ui;
    TempDir dir;
    CModuleManager modules{ui};
    ConnectionState connection;
    SystemVariables system{connection};
    RecordingCommands commands;
    RecordingOutput output;
    std::unique_ptr<CScriptEngine> engine_;
};

TEST_F(ScriptCallsTest, InstallingRunsInitFromTheNameAndRefusesTakenIdsAndNames) {
    Engine();
    const std::string tools = WriteModule(dir, 0x1001, "My-Tools 2", {{"MyTools2Init", {}, "MyTools2Init<> iRuns += 1;"}},
                                          {"iRuns"});
    ASSERT_TRUE(modules.Install(tools));
    EXPECT_EQ(Global("My-Tools 2", "iRuns"), CVariable({VariableComponent::Int(1)}));

    TempDir other;
    EXPECT_FALSE(modules.Install(WriteModule(other, 0x1001, "Other", {})));
    EXPECT_FALSE(modules.Install(WriteModule(other, 0x2002, "My-Tools 2", {})));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, module_text::kAlreadyInstalled);
    EXPECT_EQ(modules.Modules().size(), 1u);
}

TEST_F(ScriptCallsTest, CallsByNameReachTheLastInstalledModuleAndCheckParameters) {
    modules.Install(WriteModule(dir, 0x1001, "First", {{"Which", {}, "Which<> return 1;"}}));
    TempDir second;
    modules.Install(WriteModule(second, 0x2002, "Second",
                                {{"Which", {}, "Which<> return 2;"}, {"Count", {"iN"}, "Count<iN> return iN;"}}));
    ScriptRunContext context{output, ""};
    CScriptCalls& calls = Engine().Calls();
    EXPECT_EQ(calls.CallByName("WHICH", CVariable(), context), CVariable({VariableComponent::Int(2)}));
    EXPECT_EQ(calls.CallByName("Count", CVariable({VariableComponent::String("x")}), context), CVariable());
    EXPECT_EQ(calls.CallByName("Nobody", CVariable(), context), std::nullopt);
    EXPECT_EQ(Said(), std::vector<std::string>{"Incorrect parameters calling function Count; had s, expected i."});
    EXPECT_EQ(output.lines[0].substr(0, 1), "\x03");

    // Renaming, removing and uninstalling change what a name reaches at once.
    CScriptModule& later = *modules.FindByName("Second");
    later.RenameFunction(*later.FindFunction("Which"), "Other");
    EXPECT_EQ(calls.CallByName("Which", CVariable(), context), CVariable({VariableComponent::Int(1)}));
    EXPECT_EQ(calls.CallByName("other", CVariable(), context), CVariable({VariableComponent::Int(2)}));
    later.RemoveFunction("Other");
    EXPECT_EQ(calls.CallByName("Other", CVariable(), context), std::nullopt);
    ASSERT_TRUE(modules.Uninstall(0x1001));
    EXPECT_EQ(calls.CallByName("Which", CVariable(), context), std::nullopt);
}

TEST_F(ScriptCallsTest, SlashCommandWordsBecomeTheParameters) {
    modules.Install(WriteModule(
        dir, 0x1001, "Tools",
        {{"Say", {"sTarget", "sText"}, "Say<sTarget, sText>\n  /msg %sTarget% [%sText%]\n"},
         {"Add", {"iA", "iB"}, "Add<iA, iB>\n  /echo %iA%+%iB%\n"},
         {"Lists", {"asAll"}, "Lists<asAll> return 0;"}}));
    CScriptEngine& engine = Engine();
    auto run = [&](const char* name, std::string_view rest) {
        WordList words;
        words.Split(rest);
        engine.Commands().TryRun(name, words.From(0), CommandCall{"", "", output});
    };
    run("say", "bob hello  there");
    run("say", "bob");
    run("say", "");
    run("add", "-12 7 ");
    run("add", "3 x4");
    run("lists", "a");
    EXPECT_EQ(commands.lines, (std::vector<std::string>{"/msg bob [hello  there]", "/msg bob []", "/echo -12+7"}));
    EXPECT_EQ(Said(), (std::vector<std::string>{
                          "Insufficient parameters provided when calling Say with a /-command. This function "
                          "requires parameters of type ss.",
                          "While attempting to parse parameters for Add (type ii), x4 could not be interpreted as "
                          "an integer.",
                          "Attempt to call function Lists with /-command, but this requires parameters of type as "
                          "and arrays can't be entered in /-commands."}));
}

TEST_F(ScriptCallsTest, EndlessRecursionIsReportedOnceAndUncompiledFunctionsSaySo) {
    modules.Install(WriteModule(dir, 0x1001, "Loops",
                                {{"Down", {"iN"}, "Down<iN> return iN * Down<iN - 1>;"}}));
    modules.FindByName("Loops")->AddFunction(std::make_unique<CScriptFunction>("Later"));
    ScriptRunContext context{output, ""};
    EXPECT_EQ(Engine().Calls().CallByName("Down", CVariable({VariableComponent::Int(5)}), context), CVariable());
    EXPECT_EQ(Engine().Calls().CallByName("Later", CVariable(), context), CVariable());
    EXPECT_EQ(Said(), (std::vector<std::string>{
                          "Script functions call each other too deeply (more than 256 calls in a row).",
                          "Attempt to call the function Later which hasn't been compiled; compile it from the "
                          "Editor window."}));
    EXPECT_EQ(Engine().Calls().NestingDepth(), 0);
}

TEST_F(ScriptCallsTest, RemovingRunsShutdownAndSavesAFailedSaveKeepsTheModule) {
    const std::string path =
        WriteModule(dir, 0x1001, "Keep", {{"KeepShutdown", {}, "KeepShutdown<> iStops += 1;"}}, {"iStops"});
    Engine();
    ASSERT_TRUE(modules.Install(path));
    ASSERT_TRUE(modules.Uninstall(0x1001));
    EXPECT_TRUE(modules.Modules().empty());
    std::unique_ptr<CScriptModule> saved = CScriptModule::Parse(test::ReadWholeFile(path));
    EXPECT_EQ(saved->Globals().Find("iStops")->value, CVariable({VariableComponent::Int(1)}));

    // A folder where the file should be: the save cannot replace it.
    const std::string blocked = WriteModule(dir, 0x2002, "Blocked", {});
    CScriptModule* module = modules.Install(blocked);
    ASSERT_TRUE(module);
    module->MarkModified();
    std::filesystem::remove(blocked);
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked + "/inside");
    EXPECT_FALSE(modules.Uninstall(0x2002));
    EXPECT_TRUE(modules.FindById(0x2002));
    EXPECT_TRUE(modules.FindById(0x2002)->HasChanges());
    EXPECT_EQ(ui.boxes.back().text, "The module \"Blocked\" couldn't be saved.");
}

TEST_F(ScriptCallsTest, ScriptResetStopsSavesReloadsAndStartsEveryModule) {
    Engine();
    modules.Install(WriteModule(dir, 0x1001, "Cycle",
                                {{"CycleInit", {}, "CycleInit<> iRuns += 1;"},
                                 {"CycleShutdown", {}, "CycleShutdown<> iStops += 1;"}},
                                {"iRuns", "iStops"}));
    Engine().Reset(dir.Path());
    ASSERT_EQ(modules.Modules().size(), 1u);
    // Shutdown's count reached the file before the module was loaded again.
    EXPECT_EQ(CScriptModule::Parse(test::ReadWholeFile(dir.File("Cycle.ParlevoxModule")))->Globals().Find("iStops")->value,
              CVariable({VariableComponent::Int(1)}));
    EXPECT_EQ(Global("Cycle", "iRuns"), CVariable({VariableComponent::Int(2)}));
    EXPECT_EQ(Global("Cycle", "iStops"), CVariable({VariableComponent::Int(1)}));
}

// The installer lists its module as "Scripts\\X" under the program folder:
// it is read and written there, whatever the working directory, and the
// list keeps naming it so.
TEST_F(ScriptCallsTest, AModuleListedRelativeToTheProgramFolderIsSavedThere) {
    const std::string written = WriteModule(dir, 0x1002, "Cycle", {{"CycleShutdown", {}, "CycleShutdown<> iStops += 1;"}},
                                            {"iStops"});
    std::filesystem::create_directory(dir.File("Scripts"));
    std::filesystem::rename(written, dir.File("Scripts/Cycle.ParlevoxModule"));
    ASSERT_FALSE(modules.LoadInstalled({"Scripts\\Cycle.ParlevoxModule"}, dir.Path()));
    EXPECT_EQ(modules.Paths(), std::vector<std::string>{"Scripts\\Cycle.ParlevoxModule"});
    Engine().Reset(dir.Path());
    ASSERT_EQ(modules.Modules().size(), 1u);
    EXPECT_EQ(CScriptModule::Parse(test::ReadWholeFile(dir.File("Scripts/Cycle.ParlevoxModule")))
                  ->Globals().Find("iStops")->value,
              CVariable({VariableComponent::Int(1)}));
    EXPECT_FALSE(std::filesystem::exists("Scripts\\Cycle.ParlevoxModule"));
}

TEST_F(ScriptCallsTest, StartUpSkipsWhatFailsAndMakesTheUserModuleWhenNothingLoads) {
    test::WriteWholeFile(dir.File("broken.ParlevoxModule"), "not a module");
    EXPECT_TRUE(modules.LoadInstalled({dir.File("broken.ParlevoxModule"), "", dir.File("never")}, dir.Path()));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].title, module_text::kErrorLoadingTitle);
    EXPECT_EQ(ui.boxes[1].text, module_text::kListIncomplete);
    ASSERT_EQ(modules.Modules().size(), 1u);
    EXPECT_EQ(modules.Modules()[0].module->Name(), "User");
    EXPECT_EQ(modules.Paths(), std::vector<std::string>{dir.File(CModuleManager::kUserModuleFile)});
    EXPECT_EQ(CScriptModule::Parse(test::ReadWholeFile(modules.Paths()[0]))->Id(), modules.Modules()[0].module->Id());
}

}  // namespace
}  // namespace parlevox
