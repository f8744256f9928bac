// Modules as folders of text: every kind of content survives unpack and
// pack byte for byte, problems are reported as FILE:LINE:COLUMN, and the
// sample module packs and behaves as its documentation says.
#include "ModuleFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "PackedModuleRunner.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

struct Outcome {
    int status;
    std::string err;
};

template <typename Command>
Outcome Capture(Command command) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* err = open_memstream(&text, &size);
    const int status = command(err);
    std::fclose(err);
    Outcome outcome{status, std::string(text, size)};
    std::free(text);
    return outcome;
}

Outcome Pack(const std::string& folder, const std::string& file) {
    return Capture([&](std::FILE* err) { return PackCommand(folder, file, err); });
}
Outcome Unpack(const std::string& file, const std::string& folder) {
    return Capture([&](std::FILE* err) { return UnpackCommand(file, folder, err); });
}

// Every kind of content, with the bytes a text file finds hardest.
std::unique_ptr<CScriptModule> HostileModule() {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    CRawBitmap icon = CRawBitmap::TrueColour(48, 48);
    for (size_t i = 0; i < icon.Pixels().size(); ++i) icon.Pixels()[i] = static_cast<uint8_t>(i * 7 % 251);
    auto module = std::make_unique<CScriptModule>(static_cast<int32_t>(0x8000abcd), "Tab\there \"quoted\" \\",
                                                  "\xe9t\xe9 ", "# not a comment", icon);
    module->SetFixed(1);
    module->SetupListA() = {1, -2, INT_MAX};
    auto add = [](CVariableDefinitions& set, const char* name, int32_t id, VariableAccess access,
                  std::vector<VariableComponent> value) {
        set.Add(name, id).value = CVariable(std::move(value));
        set.SetAccess(name, access);
    };
    using C = VariableComponent;
    CVariableDefinitions& wide = module->ModuleWide();
    add(wide, "sText", 7, VariableAccess::Read, {C::String(everyByte)});
    add(wide, "iLeast", 3, VariableAccess::AnyW, {C::Int(INT_MIN)});
    add(wide, "fHandler", 12, VariableAccess::ModW, {C::Function("Odd, \"name\"")});
    add(wide, "asList", 4, VariableAccess::ModW, {C::StringArray({"", "a\nb", "#", "]", "[", "x y"})});
    add(wide, "aiList", 5, VariableAccess::ModW, {C::IntArray({INT_MAX, -1})});
    add(wide, "afList", 6, VariableAccess::ModW, {C::FunctionArray({"Caller", ""})});
    add(wide, "siPair", 8, VariableAccess::ModW, {C::String("ann"), C::Int(31)});
    add(wide, "aiNone", 9, VariableAccess::ModW, {C::IntArray({})});
    add(wide, "Count", 10, VariableAccess::ModW, {});
    add(module->Globals(), "sGreetingP", 11, VariableAccess::AnyW, {C::String("hi\r\n\t")});

    module->Reactions() = {"1\x01" "8000abcd\x01" "Caller\x01" "00000102\x01" "00000000\x01\x01\x01\x01" "0",
                           "0\x01" "8000abcd\x01/msg #c a\tb\n\x01" "00020101\x01"
                           "00000002\x01#c\x01\"\x01*!*@*\x01" "5",
                           "", "no separators"};
    module->MenuItems() = {{"Slap \"them\"", "Caller", 1, 2}, {"", "", -1, 3}};

    auto caller = std::make_unique<CScriptFunction>("Caller");
    caller->SetSource("Caller<>\r\n{\r\n  return Helper <sText>;\r\n}\r\n");
    module->AddFunction(std::move(caller));
    auto helper = std::make_unique<CScriptFunction>("Helper");
    helper->SetSource("Helper<sArg>\n{\n  // a lone \r here\n  /msg #c %sArg%\r\n  return sArg + sGreetingP;\n}\n");
    helper->SetEditorValues(0, 77);
    helper->Locals().Add("sArg", 20);
    module->AddFunction(std::move(helper));
    return module;
}

TEST(ModuleFolderTest, EveryKindOfContentSurvivesUnpackAndPack) {
    test::TempDir dir;
    const std::unique_ptr<CScriptModule> original = HostileModule();
    test::WriteWholeFile(dir.File("original"), original->Serialize());

    ASSERT_EQ(Unpack(dir.File("original"), dir.File("a")).err, "");
    Outcome packed = Pack(dir.File("a"), dir.File("first"));
    ASSERT_EQ(packed.status, 0) << packed.err;
    ASSERT_EQ(Unpack(dir.File("first"), dir.File("b")).status, 0);
    ASSERT_EQ(Pack(dir.File("b"), dir.File("second")).status, 0);
    const std::string first = test::ReadWholeFile(dir.File("first"));
    EXPECT_EQ(first, test::ReadWholeFile(dir.File("second")));

    // The first pack kept what the text files had to carry.
    const std::unique_ptr<CScriptModule> module = CScriptModule::Parse(first);
    EXPECT_EQ(module->Id(), original->Id());
    EXPECT_EQ(module->Name() + module->Author() + module->Copyright(),
              original->Name() + original->Author() + original->Copyright());
    EXPECT_EQ(module->Fixed(), 1);
    EXPECT_EQ(module->SetupListA(), original->SetupListA());
    ASSERT_TRUE(module->Icon());
    EXPECT_TRUE(std::ranges::equal(module->Icon()->Pixels(), original->Icon()->Pixels()));
    for (auto sets : {std::pair{&module->ModuleWide(), &original->ModuleWide()},
                      std::pair{&module->Globals(), &original->Globals()}}) {
        ASSERT_EQ(sets.first->Size(), sets.second->Size());
        for (size_t i = 0; i < sets.first->Size(); ++i) {
            const auto& got = sets.first->Entries()[i];
            const auto& want = sets.second->Entries()[i];
            EXPECT_EQ(std::tie(got.name, got.id, got.access), std::tie(want.name, want.id, want.access));
            EXPECT_EQ(got.value, want.value) << want.name;
        }
    }
    EXPECT_EQ(module->Reactions(), original->Reactions());
    EXPECT_EQ(module->MenuItems(), original->MenuItems());
    ASSERT_EQ(module->Functions().size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const CScriptFunction& got = *module->Functions()[i];
        const CScriptFunction& want = *original->Functions()[i];
        EXPECT_EQ(got.Source(), want.Source());
        EXPECT_EQ(got.EditorValue2(), want.EditorValue2());
        EXPECT_NE(got.Tree(), nullptr) << got.Name();
    }
    EXPECT_NE(module->Functions()[1]->Locals().FindId("sArg"), 0);
}

// A module folder with one function, Bad, and one file replaced.
struct BrokenFolder {
    const char* file;
    const char* text;
    const char* error;  // after "FILE:"
};

TEST(ModuleFolderTest, ProblemsAreReportedWithFileLineAndColumn) {
    const BrokenFolder cases[] = {
        {"Bad.pvs", "// locals: iX\nBad<>\n{\n  iX = 1\n}\n", "5:1: Syntax error."},
        {"Bad.pvs", "// locals:\r\nBad<>\r\n  return Nowhere <1>;\r\n", "3:10: Undefined variable or function Nowhere"},
        {"Bad.pvs", "Bad<>\n  return 1;\n", "1:1: the first line names the variables"},
        {"Bad.pvs", "// locals:\nGood<>\n  return 1;\n", "2:1: the source must define the function Bad"},
        {"module-wide.txt", "sX ModW 1 \"open", "1:11: the quoted text has no closing quote"},
        {"module-wide.txt", "\n\niX Owner 1 5", "3:4: the access is Read, ModW or AnyW"},
        {"module-wide.txt", "siPair ModW 1 \"a\"", "1:15: the value ends early"},
        {"module-wide.txt", "iX ModW 1 \"5\"", "1:11: a whole number was expected here"},
        {"module-wide.txt", "aiX ModW 1 [1, 2", "1:16: the value ends early"},
        {"globals.txt", "sX ModW 1 \"\\q\"", "1:12: unknown escape \\q"},
        {"menu-items.txt", "Name Function 0", "1:1: a menu item is"},
        {"module.txt", "id 1\nname N\ncolour blue\n", "3:1: not a line module.txt knows"},
    };
    for (const BrokenFolder& broken : cases) {
        test::TempDir dir;
        test::WriteWholeFile(dir.File("module.txt"), "id 1\nname N\nfunction Bad crlf 1 0\n");
        test::WriteWholeFile(dir.File("Bad.pvs"), "// locals:\nBad<> return 1;\n");
        test::WriteWholeFile(dir.File(broken.file), broken.text);
        Outcome outcome = Pack(dir.Path(), dir.File("out"));
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.err.starts_with(dir.File(broken.file) + ":" + broken.error)) << outcome.err;
    }
}

TEST(ModuleFolderTest, TheSampleModulePacksAndItsFunctionsWork) {
    std::unique_ptr<CScriptModule> sample = PackModuleFolder(PARLEVOX_SAMPLE_MODULE_DIR);
    ASSERT_EQ(sample->Functions().size(), 5u);  // with the Break alias and the function its timer calls
    for (const auto& function : sample->Functions()) EXPECT_NE(function->Tree(), nullptr) << function->Name();
    ASSERT_EQ(sample->Reactions().size(), 2u);
    EXPECT_TRUE(sample->Reactions()[0].starts_with("1\x01" "5a3c1e01\x01" "SampleGreet\x01" "00000102\x01"));
    EXPECT_TRUE(sample->Reactions()[1].starts_with("1\x01" "5a3c1e01\x01" "SampleCoffee\x01" "00020101\x01"));

    test::PackedModuleRunner runner(*sample);
    auto event = [&](const char* nick, const char* text, std::time_t now) {
        runner.Events().SetString("sSysSenderNick", nick);
        runner.Events().SetString("sSysChannel", "#c");
        runner.Events().SetString("sSysText", text);
        runner.SetClock(now);
    };
    using Lines = std::vector<std::string>;
    const Lines cup{"/msg #c pours ann a cup of coffee"};
    CVariable result;
    event("ann", "!coffee", 1000);
    EXPECT_EQ(runner.Run("SampleCoffee", {}, &result), cup);
    EXPECT_EQ(result, CVariable({VariableComponent::Int(1), VariableComponent::Int(0)}));
    event("ann", "!coffee", 1059);
    EXPECT_EQ(runner.Run("SampleCoffee", {}), Lines{});
    event("bob", "!coffee", 1059);
    EXPECT_EQ(runner.Run("SampleCoffee", {}), Lines{"/msg #c pours bob a cup of coffee"});
    event("ann", "!coffee please", 1060);
    EXPECT_EQ(runner.Run("SampleCoffee", {}), Lines{});
    event("ann", "!coffee", 1060);
    EXPECT_EQ(runner.Run("SampleCoffee", {}), cup);

    event("ann", "", 0);
    EXPECT_EQ(runner.Run("SampleGreet", {}), Lines{"/msg #c Welcome to #c, ann!"});
    event("me", "", 0);
    EXPECT_EQ(runner.Run("SampleGreet", {}), Lines{});
    EXPECT_EQ(runner.Run("Slap", CVariable({VariableComponent::String("bob")})),
              Lines{"/me slaps bob around a bit with a large trout"});
    EXPECT_EQ(runner.Run("Slap", CVariable({VariableComponent::String("")})),
              Lines{"/me slaps me around a bit with a large trout"});
}

// What a text folder cannot hold is refused by name, with nothing half written.
TEST(ModuleFolderTest, UnpackRefusesWhatTextCannotCarry) {
    struct Case {
        const char* function;
        const char* local;
        const char* error;
    } cases[] = {
        {"a/b", "sX", "the function name a/b cannot be a file name"},
        {"F", "sA B", "the function F has a variable whose name \"sA B\" cannot stand on a locals line"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        CScriptModule module(0x100, "M", "", "");
        module.AddFunction(std::make_unique<CScriptFunction>(c.function)).Locals().Add(c.local, 1);
        test::WriteWholeFile(dir.File("m"), module.Serialize());
        Outcome outcome = Unpack(dir.File("m"), dir.File("out"));
        EXPECT_EQ(outcome.status, 1);
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out/module.txt")));
    }
}

// The language notes show the sample's functions; they must be the shipped ones.
TEST(ModuleFolderTest, TheNotesShowTheSampleAsShipped) {
    const std::string notes = test::ReadWholeFile(std::string(PARLEVOX_DOCS_DIR) + "/script-language.md");
    for (const char* name : {"SampleGreet", "Slap", "SampleCoffee"}) {
        const std::string source = test::ReadWholeFile(std::string(PARLEVOX_SAMPLE_MODULE_DIR) + "/" + name + ".pvs");
        EXPECT_NE(notes.find("```\n" + source + "```\n"), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace parlevox
