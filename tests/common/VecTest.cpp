#include "common/vec.h"

#include <memory>
#include <string>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

std::string ArrayReport(int line) {
    return fmt::format(
        "An unexpected error has occured in the program and it will probably crash when you OK this dialog box.\n\n"
        "If you report this bug, please give this number/code precisely: {:x}. Also explain what you were doing at "
        "the time, and what happens after you click OK on this box (write down the code first, though).",
        InternalErrorCode("vec.h", line));
}

struct Counted {
    explicit Counted(int* alive) : alive(alive) { ++*alive; }
    ~Counted() { --*alive; }
    int* alive;
};

TEST(VecTest, BadAccessesShowTheArrayReport) {
    struct Case {
        const char* description;
        void (*access)(vec<int>&);
        int line;
    } cases[] = {
        {"negative index", [](vec<int>& v) { EXPECT_EQ(v.Get(-1), nullptr); }, 139},
        {"index at length", [](vec<int>& v) { EXPECT_EQ(v[3], nullptr); }, 139},
        {"null element", [](vec<int>& v) { EXPECT_EQ(v.Get(1), nullptr); }, 140},
        {"set past the end", [](vec<int>& v) { v.Set(3, std::make_unique<int>(1)); }, 139},
        {"take past the end", [](vec<int>& v) { EXPECT_EQ(v.Take(-5), nullptr); }, 139},
        {"insert past the end", [](vec<int>& v) { v.Insert(4, std::make_unique<int>(1)); }, 139},
    };
    for (const auto& c : cases) {
        test::ScriptedUserInterface ui;
        vec<int> v;
        v.Emplace(10);
        v.Append(nullptr);
        v.Emplace(30);
        c.access(v);
        ASSERT_EQ(ui.boxes.size(), 1u) << c.description;
        EXPECT_EQ(ui.boxes[0].text, ArrayReport(c.line)) << c.description;
        EXPECT_EQ(v.Length(), 3) << c.description;
    }
}

TEST(VecTest, GoodAccessesAreSilentAndOwnTheElements) {
    test::ScriptedUserInterface ui;
    int alive = 0;
    {
        vec<Counted> v;
        for (int i = 0; i < 4; ++i) v.Emplace(&alive);
        v.Insert(4, std::make_unique<Counted>(&alive));  // at the end is allowed
        v.Insert(0, nullptr);
        EXPECT_EQ(v.Length(), 6);
        std::unique_ptr<Counted> taken = v.Take(1);
        EXPECT_EQ(v.Length(), 5);
        v.Remove(1);
        v.Set(1, nullptr);
        EXPECT_EQ(alive, 3);  // one removed, one replaced; the taken one lives on
        taken.reset();
        EXPECT_EQ(alive, 2);
        EXPECT_NE(v.Get(2), nullptr);
    }
    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace parlevox
