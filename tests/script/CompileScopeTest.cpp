#include "script/CompileScope.h"

#include <gtest/gtest.h>

#include "script/SystemVariables.h"

namespace parlevox {
namespace {

TEST(CompileScopeTest, OwnNameIsTheWordWithoutItsLowercasePrefix) {
    CCompileScope scope("Count", nullptr, nullptr, {});
    struct Case {
        const char* word;
        bool own;
    };
    for (const Case& c : {Case{"Count", true}, Case{"iCount", true}, Case{"afCount", true}, Case{"\xE9" "Count", true},
                          Case{"ICount", false}, Case{"iCounts", false}, Case{"count", false}, Case{"i", false}}) {
        EXPECT_EQ(scope.IsOwnFunctionName(c.word), c.own) << c.word;
    }
}

TEST(CompileScopeTest, AnEmptyScopeKnowsOnlySystemVariables) {
    CCompileScope scope("", nullptr, nullptr, {{1000, nullptr}});
    EXPECT_FALSE(scope.IsOwnFunctionName("abc"));
    EXPECT_FALSE(scope.IsFunctionName("Print"));
    EXPECT_FALSE(scope.ResolveVariable("sX"));
    EXPECT_EQ(scope.ResolveVariable("sN"), (VariableReference{kScopeSystem, SystemVariables::Number("sN")}));
}

}  // namespace
}  // namespace parlevox
