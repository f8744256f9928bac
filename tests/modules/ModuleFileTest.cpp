// Module files are exchanged between users: what one writes another must
// read back exactly, and what a stranger sends must fail with the loader's
// message, never reach the interpreter damaged.
#include <gtest/gtest.h>

#include "common/StringRecord.h"
#include "common/TextError.h"
#include "modules/ScriptModule.h"
#include "script/CompileScope.h"
#include "script/ScriptCompiler.h"
#include "script/VariableTexts.h"

namespace parlevox {
namespace {

// A module with something in every field.
std::unique_ptr<CScriptModule> FullModule() {
    CRawBitmap icon = CRawBitmap::TrueColour(CScriptModule::kIconSize, CScriptModule::kIconSize);
    icon.Row(3)[5] = 200;
    auto module = std::make_unique<CScriptModule>(0x12AB34CD, "My Tools", "Ann", "(c) Ann", std::move(icon));
    module->ModuleWide().Add("sGreeting", module->NextVariableId()).value =
        CVariable({VariableComponent::String("hi\x01\xff")});
    module->Globals().Add("aiSeen", module->NextVariableId()).value =
        CVariable({VariableComponent::IntArray({1, -2, 3})});
    module->SetFixed(0);
    module->Reactions() = {std::string("1\x01" "12ab34cd\x01Greet\x01" "00000201\x01" "00000001\x01\x01\x01*!*@*\x01" "0")};
    module->MenuItems() = {{"Slap", "Slap", 1, 2}};
    module->SetupListA() = {7, 8};
    module->SetupListB() = {-1};
    auto& greet = module->AddFunction(std::make_unique<CScriptFunction>("Greet"));
    greet.Locals().Add("sNick", module->NextVariableId());
    greet.SetSource("Greet<sNick>\r\n  return sNick + sGreeting;\r\n");
    CCompileScope scope("Greet", &greet.Locals(), &module->ModuleWide(), {{module->Id(), &module->Globals()}});
    CompileResult compiled = CompileScript(greet.Source(), scope);
    greet.SetTree(std::move(std::get<std::unique_ptr<CParseTree>>(compiled)));
    module->AddFunction(std::make_unique<CScriptFunction>("Uncompiled"));
    return module;
}

std::string Error(std::string_view bytes) {
    try {
        CScriptModule::Parse(bytes);
    } catch (const TextError& error) {
        return error.Text();
    }
    return "loads";
}

TEST(ModuleFileTest, EveryFieldSurvivesSavingAndLoadingByteForByte) {
    const std::string bytes = FullModule()->Serialize();
    std::unique_ptr<CScriptModule> loaded = CScriptModule::Parse(bytes);
    EXPECT_EQ(loaded->Serialize(), bytes);
    EXPECT_EQ(loaded->Name(), "My Tools");
    ASSERT_TRUE(loaded->Icon());
    EXPECT_EQ(loaded->Icon()->Row(3)[5], 200);
    ASSERT_EQ(loaded->Functions().size(), 2u);
    EXPECT_TRUE(loaded->Functions()[0]->Tree());
    EXPECT_FALSE(loaded->Functions()[1]->Tree());
    EXPECT_FALSE(loaded->HasChanges());
    // New variables never reuse an id the file holds.
    EXPECT_GT(loaded->NextVariableId(), 3);
}

TEST(ModuleFileTest, EveryTruncationFailsWithTheEndOfFileMessage) {
    const std::string bytes = FullModule()->Serialize();
    for (size_t length = 26; length < bytes.size(); ++length) {
        const std::string error = Error(std::string_view(bytes).substr(0, length));
        // A cut inside a text field can leave it without its terminator.
        EXPECT_TRUE(error == kModuleEndOfFile || error == kModuleCorrupt) << length << ": " << error;
    }
    EXPECT_EQ(Error(std::string_view(bytes).substr(0, 10)), kModuleCorrupt);
}

TEST(ModuleFileTest, HostileContentIsRefusedAsCorruptOrShort) {
    const std::string good = FullModule()->Serialize();
    auto withInt = [&](size_t offset, int32_t value) {
        std::string bytes = good;
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
        return bytes;
    };
    std::string otherVersion = good;
    otherVersion[24] = '2';
    std::string unterminatedName = good;
    std::fill_n(unterminatedName.begin() + 30, 100, 'x');
    const size_t functionCountAt = good.rfind(std::string("\x02\0\0\0", 4) + std::string("\x05\0\0\0Greet", 9));
    ASSERT_NE(functionCountAt, std::string::npos);
    struct Case {
        const char* what;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"another version", otherVersion, kModuleCorrupt},
        {"a name of 100 bytes without its end", unterminatedName, kModuleCorrupt},
        {"an id that is a scope code", withInt(26, 1), kModuleCorrupt},
        {"2^31 - 1 functions", withInt(functionCountAt, INT32_MAX), kModuleEndOfFile},
        {"a negative function count", withInt(functionCountAt, INT32_MIN), kModuleEndOfFile},
    };
    for (const Case& c : cases) EXPECT_EQ(Error(c.bytes), c.error) << c.what;
}

TEST(ModuleFileTest, ATreeNamingAVariableThatIsNotThereIsDroppedForRecompiling) {
    std::unique_ptr<CScriptModule> module = FullModule();
    // The tree refers to sNick; the variable goes, the tree stays.
    CScriptFunction& greet = *module->FindFunction("Greet");
    greet.Locals().Remove("sNick");
    std::unique_ptr<CScriptModule> loaded = CScriptModule::Parse(module->Serialize());
    const CScriptFunction& reloaded = *loaded->FindFunction("greet", true);
    EXPECT_FALSE(reloaded.Tree());
    EXPECT_TRUE(reloaded.NeedsRecompile());
    EXPECT_EQ(reloaded.Source(), greet.Source());
}

TEST(ModuleFileTest, VersionOneOneCarriesOnlyTheValuesOfPNamesAndIsRewrittenAsOneZero) {
    ByteWriter writer;
    writer.WriteBytes(std::string_view("Brimvale/ScriptModule:1.1\0", 26));
    writer.WriteI32(0x777);
    for (const char* text : {"Old", "", ""}) {
        std::string field(text);
        field.resize(100, '\0');
        writer.WriteBytes(field);
    }
    writer.WriteI32(0);  // no icon
    writer.WriteI32(2);  // module-wide: sCountP with its value, sName without
    writer.WriteI32(1);
    writer.WriteI32(static_cast<int32_t>(VariableAccess::AnyW));
    WriteString(writer, "sCountP");
    CVariable({VariableComponent::String("12")}).Write(writer);
    writer.WriteI32(2);
    writer.WriteI32(static_cast<int32_t>(VariableAccess::AnyW));
    WriteString(writer, "sName");
    for (int i = 0; i < 7; ++i) writer.WriteI32(0);  // globals, fixed, reactions, menus, lists, functions
    std::unique_ptr<CScriptModule> loaded = CScriptModule::Parse(writer.Bytes());
    EXPECT_EQ(loaded->ModuleWide().Find("sCountP")->value, CVariable({VariableComponent::String("12")}));
    const std::string rewritten = loaded->Serialize();
    EXPECT_EQ(rewritten.substr(0, 26), std::string("Brimvale/ScriptModule:1.0\0", 26));
    EXPECT_EQ(CScriptModule::Parse(rewritten)->ModuleWide().Find("sName")->value,
              CVariable({VariableComponent::String("")}));
}

}  // namespace
}  // namespace parlevox
