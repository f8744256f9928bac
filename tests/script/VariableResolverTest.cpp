#include "script/VariableResolver.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "common/TextError.h"
#include "irc/ConnectionState.h"

namespace parlevox {
namespace {

constexpr int32_t kOwnModule = 0x1234567;
constexpr int32_t kOtherModule = 0x7654321;
constexpr int32_t kGoneModule = 0x5555555;

struct FakeFunction : RunningFunction {
    CVariableDefinitions& Locals() override { return locals; }
    CVariableDefinitions& ModuleWide() override { return moduleWide; }
    int32_t ModuleId() const override { return kOwnModule; }
    CVariableDefinitions locals, moduleWide;
};

struct FakeModules : InstalledModules {
    CVariableDefinitions* GlobalsOf(int32_t moduleId) override {
        auto found = globals.find(moduleId);
        return found == globals.end() ? nullptr : &found->second;
    }
    std::map<int32_t, CVariableDefinitions> globals;
};

class VariableResolverTest : public testing::Test {
protected:
    VariableResolverTest() {
        function.locals.Add("sLocal", 1);
        function.locals.Add("sLocalRead", 2);
        function.locals.SetAccess("sLocalRead", VariableAccess::Read);
        function.moduleWide.Add("sWide", 1);
        for (int32_t module : {kOwnModule, kOtherModule}) {
            CVariableDefinitions& globals = modules.globals[module];
            globals.Add("sModW", 1);
            globals.Add("sRead", 2);
            globals.SetAccess("sRead", VariableAccess::Read);
            globals.Add("sAnyW", 3);
            globals.SetAccess("sAnyW", VariableAccess::AnyW);
        }
        system.SetString("sSysText", "text");
    }

    std::string ErrorOf(VariableReference reference) {
        try {
            resolver.Resolve(reference, function);
        } catch (const TextError& error) {
            return error.Text();
        }
        return "";
    }

    FakeFunction function;
    FakeModules modules;
    ConnectionState state;
    SystemVariables system{state};
    VariableResolver resolver {modules, system};
};

TEST_F(VariableResolverTest, EachMissingVariableHasItsMessage) {
    struct Case {
        const char* description;
        VariableReference reference;
        const char* message;
    } cases[] = {
        {"local", {kScopeLocal, 9}, "A required local variable for this function has been deleted."},
        {"module-wide", {kScopeModuleWide, 9}, "A required module-wide variable for this function has been deleted."},
        {"system 0", {kScopeSystem, 0}, "A required system variable for this function doesn't exist."},
        {"system 46", {kScopeSystem, 46}, "A required system variable for this function doesn't exist."},
        {"module gone", {kGoneModule, 1},
         "A module containing a required global variable for this script function has been removed from the system."},
        {"global", {kOtherModule, 9}, "A required global variable for this script function has been deleted."},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.reference), c.message) << c.description;
}

TEST_F(VariableResolverTest, VariableAndEffectiveAccess) {
    CVariableDefinitions* own = &modules.globals[kOwnModule];
    CVariableDefinitions* other = &modules.globals[kOtherModule];
    struct Case {
        const char* description;
        VariableReference reference;
        CVariable* variable;
        VariableAccess access;
        CVariableDefinitions* owner;
    } cases[] = {
        {"local", {kScopeLocal, 1}, &function.locals.FindById(1)->value, VariableAccess::ModW, &function.locals},
        {"read-only local", {kScopeLocal, 2}, &function.locals.FindById(2)->value, VariableAccess::Read,
         &function.locals},
        {"module-wide", {kScopeModuleWide, 1}, &function.moduleWide.FindById(1)->value, VariableAccess::ModW,
         &function.moduleWide},
        {"system", {kScopeSystem, 16}, system.Read(16), VariableAccess::Read, nullptr},
        {"own ModW global", {kOwnModule, 1}, &own->FindById(1)->value, VariableAccess::AnyW, own},
        {"own Read global", {kOwnModule, 2}, &own->FindById(2)->value, VariableAccess::Read, own},
        {"other's ModW global", {kOtherModule, 1}, &other->FindById(1)->value, VariableAccess::Read, other},
        {"other's AnyW global", {kOtherModule, 3}, &other->FindById(3)->value, VariableAccess::AnyW, other},
    };
    for (const auto& c : cases) {
        ResolvedVariable resolved = resolver.Resolve(c.reference, function);
        EXPECT_EQ(resolved.variable, c.variable) << c.description;
        EXPECT_EQ(resolved.access, c.access) << c.description;
        EXPECT_EQ(resolved.owner, c.owner) << c.description;
    }
    EXPECT_EQ(resolver.Resolve({kScopeSystem, 16}, function).variable->Component(0).text, "text");
}

}  // namespace
}  // namespace parlevox
