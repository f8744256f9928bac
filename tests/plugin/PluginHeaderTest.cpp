// The public plug-in header as a plug-in author meets it: the blocks'
// layout on this build, and the example of docs/plugins.md opened as the
// host opens a plug-in and called through a fake host table.
#include "parlevox/plugin.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

// The value the fake host hands out: a type string and one text per component.
struct PvValue {
    std::string type;
    std::vector<std::string> texts;
};

namespace parlevox {
namespace {

// Fields that are no addresses keep the 32-bit interface's offsets; an
// address is pointer-sized and aligned, which moves the icon pointer on
// 64-bit builds. A host block holds the version, the 1, then one
// pointer-sized entry each: context or plugin (entry 0), the callbacks in
// their numbered order, and the DCC host's icon.
constexpr size_t kPointer = sizeof(void*);
constexpr bool k64 = kPointer == 8;
constexpr size_t Entry(size_t n) { return 8 + n * kPointer; }

static_assert(offsetof(PvScInfo, name) == 0 && offsetof(PvScInfo, text2) == 32 && offsetof(PvScInfo, text3) == 64);
static_assert(offsetof(PvScInfo, commands) == 128 && offsetof(PvScInfo, types) == 1152);
static_assert(offsetof(PvScInfo, commandCount) == 1408);
static_assert(offsetof(PvScInfo, iconPixels) == (k64 ? 1416 : 1412) && sizeof(PvScInfo) == (k64 ? 1424 : 1416));

static_assert(offsetof(PvDccInfo, name) == 0 && offsetof(PvDccInfo, text1) == 32 && offsetof(PvDccInfo, text2) == 64);
static_assert(offsetof(PvDccInfo, types) == 128 && sizeof(PvDccInfo::types[0]) == 16);
static_assert(offsetof(PvDccInfo, value) == 176);
static_assert(offsetof(PvDccInfo, iconPixels) == (k64 ? 184 : 180) && sizeof(PvDccInfo) == (k64 ? 192 : 184));

static_assert(offsetof(PvScHost, version) == 0 && offsetof(PvScHost, one) == 4);
static_assert(offsetof(PvScHost, context) == Entry(0) && offsetof(PvScHost, openTextWindow) == Entry(1));
static_assert(offsetof(PvScHost, createGraphicsWindow) == Entry(3) && offsetof(PvScHost, getSettingInt) == Entry(5));
static_assert(offsetof(PvScHost, createRealWindow) == Entry(9) && offsetof(PvScHost, runCommandLine) == Entry(12));
static_assert(offsetof(PvScHost, getSystemVariable) == Entry(13) && offsetof(PvScHost, getStringComponent) == Entry(14));
static_assert(offsetof(PvScHost, getFunctionElement) == Entry(20) && offsetof(PvScHost, createValue) == Entry(21));
static_assert(offsetof(PvScHost, setStringComponent) == Entry(22) && offsetof(PvScHost, setFunctionElement) == Entry(27));
static_assert(offsetof(PvScHost, hostQuery) == Entry(28) && sizeof(PvScHost) == Entry(29));

static_assert(offsetof(PvDccHost, version) == 0 && offsetof(PvDccHost, one) == 4);
static_assert(offsetof(PvDccHost, plugin) == Entry(0) && offsetof(PvDccHost, deleteTransfer) == Entry(1));
static_assert(offsetof(PvDccHost, openWindow) == Entry(4) && offsetof(PvDccHost, getSettingInt) == Entry(6));
static_assert(offsetof(PvDccHost, setSettingString) == Entry(9) && offsetof(PvDccHost, hostQuery) == Entry(10));
static_assert(offsetof(PvDccHost, icon) == Entry(11) && sizeof(PvDccHost) == Entry(12));

static_assert(offsetof(PvBitmap, bytesPerRow) == 8 && offsetof(PvBitmap, pixels) == (k64 ? 16 : 12));

// Serves the callbacks the example uses; every other entry stays null, so
// a call of one would crash the test.
struct FakeHost {
    FakeHost() {
        table.version = PV_PLUGIN_INTERFACE_VERSION;
        table.one = 1;
        table.context = this;
        table.getStringComponent = [](void*, const PvValue* value, int32_t component) -> const char* {
            if (!IsString(value, component)) return nullptr;
            return value->texts[static_cast<size_t>(component)].c_str();
        };
        table.createValue = [](void* context, const char* type) -> PvValue* {
            auto value = std::make_unique<PvValue>(PvValue{type, std::vector<std::string>(std::strlen(type))});
            return Self(context)->values.emplace_back(std::move(value)).get();
        };
        table.setStringComponent = [](void*, PvValue* value, int32_t component, const char* text) {
            if (IsString(value, component)) value->texts[static_cast<size_t>(component)] = text;
        };
    }
    static FakeHost* Self(void* context) { return static_cast<FakeHost*>(context); }
    static bool IsString(const PvValue* value, int32_t component) {
        return value && component >= 0 && static_cast<size_t>(component) < value->type.size() &&
               value->type[static_cast<size_t>(component)] == 's';
    }

    PvScHost table {};
    std::vector<std::unique_ptr<PvValue>> values;
};

class MinimalPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        library = dlopen(PARLEVOX_MINIMAL_PLUGIN, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        init = reinterpret_cast<PvScInitFunction>(dlsym(library, "Init"));
        command = reinterpret_cast<PvScCommandFunction>(dlsym(library, "Command"));
        startup = reinterpret_cast<PvStartupFunction>(dlsym(library, "Startup"));
        ASSERT_TRUE(init && command && startup);
        std::memset(&info, 0x7F, sizeof info);  // what a careless host might leave
        info.iconPixels = icon.data();
    }
    void TearDown() override {
        if (library) dlclose(library);
    }

    // The text of a field, never read past its end.
    static std::string Field(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

    std::string Greet(const char* name, std::string who) {
        PvValue argument{"s", {std::move(who)}};
        PvValue* result = command(name, &argument);
        return result && result->type == "s" ? result->texts[0] : "(none)";
    }

    void* library = nullptr;
    PvScInitFunction init = nullptr;
    PvScCommandFunction command = nullptr;
    PvStartupFunction startup = nullptr;
    FakeHost host;
    PvScInfo info;
    std::vector<uint8_t> icon = std::vector<uint8_t>(PV_ICON_SIZE * PV_ICON_SIZE * 3);
};

TEST_F(MinimalPluginTest, InitFillsTheInformationBlockAndDrawsTheIcon) {
    ASSERT_EQ(init(&info, &host.table), 1);
    EXPECT_EQ(Field(info.name, sizeof info.name), "Hello");
    EXPECT_EQ(Field(info.text2, sizeof info.text2), "A. Author");
    EXPECT_EQ(Field(info.text3, sizeof info.text3), "Public domain example");
    ASSERT_EQ(info.commandCount, 1);
    EXPECT_EQ(Field(info.commands[0], sizeof info.commands[0]), "Hello");
    EXPECT_EQ(Field(info.types[0], sizeof info.types[0]), "s");
    EXPECT_EQ(info.iconPixels, icon.data());
    // Blue, green, red: a white border round a blue square.
    const auto pixel = [&](int x, int y) {
        const uint8_t* p = &icon[static_cast<size_t>(y * PV_ICON_SIZE + x) * 3];
        return std::vector<int>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(pixel(0, 0), std::vector<int>({255, 255, 255}));
    EXPECT_EQ(pixel(47, 47), std::vector<int>({255, 255, 255}));
    EXPECT_EQ(pixel(24, 24), std::vector<int>({255, 96, 32}));
    startup();
}

TEST_F(MinimalPluginTest, HelloReturnsAValueMadeThroughTheHost) {
    ASSERT_EQ(init(&info, &host.table), 1);
    EXPECT_EQ(Greet("Hello", "Ada"), "Hello, Ada!");
    EXPECT_EQ(Greet("hELLO", ""), "Hello, world!");
    EXPECT_EQ(Greet("Hello", std::string(400, 'x')), "Hello, " + std::string(248, 'x'));  // cut to 255
    EXPECT_EQ(Greet("Goodbye", "Ada"), "(none)");
    EXPECT_EQ(host.values.size(), 3u);
}

TEST_F(MinimalPluginTest, AnOlderHostIsNotCompatible) {
    host.table.version = PV_PLUGIN_INTERFACE_VERSION - 1;
    EXPECT_EQ(init(&info, &host.table), 0);
}

// What people copy from the page is what the tests build.
TEST(MinimalPluginDocsTest, ThePageShowsTheExampleAsItIs) {
    const auto read = [](const char* name) {
        std::ifstream file(std::string(PARLEVOX_DOCS_DIR) + "/" + name);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string example = read("examples/minimal-plugin.c");
    ASSERT_FALSE(example.empty());
    EXPECT_NE(read("plugins.md").find("```c\n" + example + "```"), std::string::npos);
}

}  // namespace
}  // namespace parlevox
