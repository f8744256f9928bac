// Script-command plug-ins, loaded from the libraries tests/modules/plugins
// builds: what the host refuses, the information block, the callback table
// (each group, and with a wrong context), calls from scripts and "/"
// lines, installing and the sample Toolbox.
#include <dlfcn.h>
#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "commands/CommandWords.h"
#include "irc/ConnectionState.h"
#include "modules/ScPlugInCommands.h"
#include "modules/ScPlugInHost.h"
#include "modules/ScPlugInTexts.h"
#include "modules/ScriptEngine.h"
#include "platform/PollEventLoop.h"
#include "script/SystemVariables.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace plugin_text;

std::string TestPlugIn(const char* variant) {
    return std::string(PARLEVOX_TEST_PLUGIN_DIR) + "/" + variant + ".ParlevoxPlugIn";
}

class RecordingOutput final : public CommandOutput {
public:
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

class NoCommands final : public CommandLineRunner {
public:
    void Run(std::string_view, const std::string&, const std::string&, CommandOutput&) override {}
    std::string& CaptureText() override { return capture_; }

private:
    std::string capture_;
};

class MapSettings final : public PlugInSettingsAccess {
public:
    int ReadInt(std::string_view plugIn, std::string_view key, int defaultValue) override {
        auto found = values.find(Key(plugIn, key));
        return found == values.end() ? defaultValue : std::stoi(found->second);
    }
    void WriteInt(std::string_view plugIn, std::string_view key, int value) override {
        values[Key(plugIn, key)] = std::to_string(value);
    }
    std::string ReadString(std::string_view plugIn, std::string_view key, std::string_view defaultValue) override {
        auto found = values.find(Key(plugIn, key));
        return found == values.end() ? std::string(defaultValue) : found->second;
    }
    void WriteString(std::string_view plugIn, std::string_view key, std::string_view value) override {
        values[Key(plugIn, key)] = value;
    }
    std::map<std::string, std::string> values;

private:
    static std::string Key(std::string_view plugIn, std::string_view key) {
        return std::string(plugIn) + "|" + std::string(key);
    }
};

class FakeWindows final : public PlugInWindowHost {
public:
    struct View final : PlugInPictureView {
        View(CPlugInPictureWnd& window, int& live) : window(window), live(live) { ++live; }
        ~View() override { --live; }
        void Redraw() override { ++redraws; }
        void TitleChanged() override { titles.push_back(window.Title()); }
        CPlugInPictureWnd& window;
        int& live;
        int redraws = 0;
        std::vector<std::string> titles;
    };

    bool OpenTextWindow(std::span<const std::string> words) override {
        opened.emplace_back(words.begin(), words.end());
        return true;
    }
    bool WriteTextWindow(const std::string& name, const std::string& text) override {
        for (const auto& words : opened)
            if (words[0] == name) {
                written.push_back(name + ": " + text);
                return true;
            }
        return false;
    }
    void RunCommandLine(const std::string& line) override { lines.push_back(line); }
    std::unique_ptr<PlugInPictureView> MakePictureView(CPlugInPictureWnd& window) override {
        auto view = std::make_unique<View>(window, liveViews);
        views.push_back(view.get());
        return view;
    }

    std::vector<std::vector<std::string>> opened;
    std::vector<std::string> written;
    std::vector<std::string> lines;
    std::vector<View*> views;  // in making order; check liveViews before using
    int liveViews = 0;
};

// What a test runs inside the plug-in's Command.
using During = std::function<PvValue*(const char* name, const PvValue* argument, const PvScHost& host)>;
During during;
PvValue* Trampoline(const char* name, const PvValue* argument, const PvScHost* host) {
    return during ? during(name, argument, *host) : nullptr;
}

const CVariable& AsVariable(const PvValue* value) {
    return *reinterpret_cast<const CVariable*>(value);
}

std::string Shown(const char* text) {
    return text ? std::string(text) : std::string("(null)");
}

class ScPlugInTest : public ::testing::Test {
protected:
    ~ScPlugInTest() override { during = nullptr; }

    CScPlugIn& Load(const std::string& path) {
        CScPlugIn* plugIn = host.Install(path);
        if (!plugIn) throw std::runtime_error("not installed: " + path);
        using SetHook = void (*)(PvValue* (*)(const char*, const PvValue*, const PvScHost*));
        if (auto setHook = Export<SetHook>(*plugIn, "TestSetHook")) setHook(Trampoline);
        return *plugIn;
    }
    template <typename Function>
    static Function Export(const CScPlugIn& plugIn, const char* name) {
        return reinterpret_cast<Function>(dlsym(plugIn.Library(), name));
    }
    static int Calls(const CScPlugIn& plugIn) { return Export<int (*)()>(plugIn, "TestCalls")(); }

    CScriptEngine& Engine() {
        if (!engine_)
            engine_ = std::make_unique<CScriptEngine>(
                modules, variables, noCommands, [this] { return ScriptRunContext{output, ""}; }, ColourCodes(),
                std::vector<ScriptCallable*>{&commands});
        return *engine_;
    }
    // A module function compiled as the scripting window compiles it.
    void AddFunction(const std::string& name, const std::string& source) {
        CScriptModule* module = modules.FindByName("Calls");
        if (!module) module = modules.Create("Calls", "", "", std::nullopt, dir.File("Calls.ParlevoxModule"));
        auto function = std::make_unique<CScriptFunction>(name);
        function->SetSource(source);
        CScriptFunction& added = module->AddFunction(std::move(function));
        std::optional<CompileFailure> failure = Engine().Calls().Compile(*module, added);
        EXPECT_FALSE(failure) << (failure ? failure->text : "");
    }
    std::optional<CVariable> CallByName(const char* name, CVariable argument = {}) {
        ScriptRunContext context{output, ""};
        return Engine().Calls().CallByName(name, argument, context);
    }

    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    test::TempDir dir;
    MapSettings settings;
    ConnectionState connection;
    SystemVariables variables{connection};
    CScPlugInHost host{ui, loop, settings, variables};
    FakeWindows windows;
    ColourCodes colours;
    ScPlugInCommands commands{host, colours};
    RecordingOutput output;
    NoCommands noCommands;
    CModuleManager modules{ui};
    std::unique_ptr<CScriptEngine> engine_;
};

TEST_F(ScPlugInTest, RefusesWhatIsNoUsablePlugInAndDropsItFromTheList) {
    const std::string text = dir.File("Text.ParlevoxPlugIn");
    test::WriteWholeFile(text, "This is a text file, not a shared object.\n");
    const struct {
        const char* what;
        std::string path;
        const char* box;
    } cases[] = {
        {"missing", "/nonexistent/Gone.ParlevoxPlugIn", kFailedToLoad},
        {"relative", "tests/plugins/Good.ParlevoxPlugIn", kFailedToLoad},
        {"not ELF", text, kFailedToLoad},
        {"no Init", TestPlugIn("NoInit"), kFailedToLoad},
        {"Init gives 0", TestPlugIn("InitZero"), kNotCompatible},
        {"17 commands", TestPlugIn("Seventeen"), kNotCompatible},
        {"a command twice", TestPlugIn("SameName"), kNotCompatible},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.what);
        ui.boxes.clear();
        CScPlugInHost fresh(ui, loop, settings, variables);
        EXPECT_TRUE(fresh.LoadInstalled({refused.path}));
        EXPECT_TRUE(fresh.PlugIns().empty());
        ASSERT_EQ(ui.boxes.size(), 2u);
        EXPECT_EQ(ui.boxes[0].text, fmt::sprintf(refused.box, refused.path));
        EXPECT_EQ(ui.boxes[1].text, kDroppedFromList);
    }
}

TEST_F(ScPlugInTest, TextsWithoutTerminatorsEndAtTheirFields) {
    CScPlugIn& plugIn = Load(TestPlugIn("NoTerminators"));
    EXPECT_EQ(plugIn.Name(), std::string(32, 'N'));
    EXPECT_EQ(plugIn.Text2(), std::string(32, '2'));
    EXPECT_EQ(plugIn.Text3(), std::string(64, '3'));
    ASSERT_EQ(plugIn.Commands().size(), 1u);
    EXPECT_EQ(plugIn.Commands()[0].name, std::string(64, 'C'));
    EXPECT_EQ(plugIn.Commands()[0].types, std::string(16, 's'));
}

TEST_F(ScPlugInTest, KeepsWhatInitReportedAndTheIconItDrew) {
    CScPlugIn& plugIn = Load(TestPlugIn("Good"));
    EXPECT_EQ(plugIn.DisplayLine(), "Tester / Ada ((c) the tests)");
    std::vector<std::pair<std::string, std::string>> commandList;
    for (const ScPlugInCommand& command : plugIn.Commands()) commandList.emplace_back(command.name, command.types);
    EXPECT_EQ(commandList, (std::vector<std::pair<std::string, std::string>>{
                               {"DoIt", "s"}, {"Pair", "si"}, {"Lists", "SIF"}, {"All", "sifSIF"}, {"Nothing", ""}}));
    EXPECT_EQ(plugIn.Icon().Width(), 48);
    EXPECT_EQ(plugIn.Icon().Stride(), 144u);
    EXPECT_EQ(plugIn.Icon().PixelColour(0, 0), (BgrColour{0, 0, 255}));
    EXPECT_EQ(plugIn.Icon().PixelColour(47, 47), (BgrColour{255, 255, 255}));
    const PvScHost& table = *Export<const PvScHost* (*)()>(plugIn, "TestHost")();
    EXPECT_EQ(&table, &plugIn.HostTable());
    EXPECT_EQ(table.version, 2);
    EXPECT_EQ(table.one, 1);
    EXPECT_EQ(table.hostQuery(), 0);
}

TEST_F(ScPlugInTest, InstallRefusesASecondCopyAndUninstallLetsItGo) {
    ASSERT_TRUE(host.Install(TestPlugIn("Good")));
    EXPECT_FALSE(host.Install(TestPlugIn("Twin")));        // another file, the same name
    EXPECT_FALSE(host.Install(TestPlugIn("Good")));        // the very library again: Init is not called twice
    EXPECT_FALSE(host.Install("/nonexistent/Gone.ParlevoxPlugIn"));
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : ui.boxes) texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{kNameTaken, kNameTaken,
                                               fmt::sprintf(kFailedToLoad, "/nonexistent/Gone.ParlevoxPlugIn"),
                                               kCouldNotLoad}));
    EXPECT_EQ(host.Paths(), std::vector<std::string>{TestPlugIn("Good")});
    EXPECT_TRUE(host.Uninstall(0));
    EXPECT_FALSE(host.Uninstall(0));
    EXPECT_FALSE(host.HasCommand("DoIt"));
    EXPECT_TRUE(host.Install(TestPlugIn("Twin")));
}

TEST_F(ScPlugInTest, ScriptsCallCommandsWithoutRegardToCaseAndGetTheMadeValue) {
    CScPlugIn& plugIn = Load(TestPlugIn("Good"));
    PvValue* made = nullptr;
    during = [&](const char* name, const PvValue* argument, const PvScHost& table) {
        EXPECT_STREQ(name, "DoIt");  // the plug-in's own spelling
        made = table.createValue(table.context, "si");
        const std::string said = table.getStringComponent(table.context, argument, 0);
        table.setStringComponent(table.context, made, 0, ("got:" + said).c_str());
        table.setIntComponent(table.context, made, 1, 42);
        return made;
    };
    AddFunction("Main", "Main<> return doit<\"hi\">;");
    EXPECT_EQ(CallByName("main"),
              CVariable({VariableComponent::String("got:hi"), VariableComponent::Int(42)}));
    EXPECT_EQ(Calls(plugIn), 1);
    // The host destroyed the returned value: it is nothing the plug-in may read now.
    EXPECT_EQ(plugIn.HostTable().getStringComponent(plugIn.HostTable().context, made, 0), nullptr);

    // A value of another type never reaches the plug-in.
    EXPECT_EQ(CallByName("DOIT", CVariable({VariableComponent::Int(3)})), CVariable());
    EXPECT_EQ(Calls(plugIn), 1);
    ASSERT_FALSE(output.lines.empty());
    EXPECT_EQ(output.lines.back(), ScriptCallPrefix(colours, "DoIt") +
                                       "Incorrect parameters calling plug-in command DoIt; had i, expected s.");
    // A null result is the empty value; the argument handed back, a copy of it.
    during = nullptr;
    EXPECT_EQ(CallByName("nothing"), CVariable());
    during = [](const char*, const PvValue* argument, const PvScHost&) { return const_cast<PvValue*>(argument); };
    EXPECT_EQ(CallByName("DoIt", CVariable({VariableComponent::String("back")})),
              CVariable({VariableComponent::String("back")}));
    EXPECT_EQ(Calls(plugIn), 3);
}

TEST_F(ScPlugInTest, SlashCommandsMakeTheArgumentFromTheWords) {
    Load(TestPlugIn("Good"));
    std::vector<CVariable> arguments;
    during = [&](const char*, const PvValue* argument, const PvScHost&) {
        arguments.push_back(AsVariable(argument));
        return nullptr;
    };
    auto run = [&](const char* name, std::string_view rest) {
        WordList words;
        words.Split(rest);
        return commands.TryRun(name, words.From(0), CommandCall{"", "", output});
    };
    EXPECT_TRUE(run("doit", "some  text here"));
    EXPECT_TRUE(run("PAIR", "bob -5"));
    EXPECT_TRUE(run("pair", ""));
    EXPECT_TRUE(run("pair", "bob five"));
    EXPECT_TRUE(run("lists", "x"));
    EXPECT_FALSE(run("nobody", "x"));
    EXPECT_EQ(arguments, (std::vector<CVariable>{
                             CVariable({VariableComponent::String("some  text here")}),
                             CVariable({VariableComponent::String("bob"), VariableComponent::Int(-5)})}));
    const std::string problem = colours.Code(colour::kProblem), info = colours.Code(colour::kInformation);
    EXPECT_EQ(output.lines,
              (std::vector<std::string>{
                  problem + "! Insufficient parameters provided when calling \x1f" "Pair\x1f. " + info +
                      "This plug-in command requires parameters of type si.",
                  problem + "! While attempting to parse parameters for \x1f" "Pair\x1f (type si), five could not "
                            "be interpreted as an integer.",
                  problem + "! Attempt to call plug-in command \x1f" "Lists\x1f with /-command," + info +
                      " but this requires parameters of type asaiaf and arrays can't be entered in /-commands."}));
}

TEST_F(ScPlugInTest, GettersAnswerOnlyForTheRightTypeAndAnExistingIndex) {
    Load(TestPlugIn("Good"));
    const std::string longText(300, 'x');
    const CVariable argument({VariableComponent::String(longText), VariableComponent::Int(7),
                              VariableComponent::Function("Fn"), VariableComponent::StringArray({"a", "b"}),
                              VariableComponent::IntArray({1, 2}), VariableComponent::FunctionArray({"F1"})});
    using Read = std::function<std::string(const PvScHost&, void*, const PvValue*)>;
    const struct {
        const char* what;
        Read read;
        std::string expected;
    } reads[] = {
        {"s, cut to 255", [](auto& t, void* c, auto* v) { return Shown(t.getStringComponent(c, v, 0)); }, std::string(255, 'x')},
        {"s of an i", [](auto& t, void* c, auto* v) { return Shown(t.getStringComponent(c, v, 1)); }, "(null)"},
        {"s past the end", [](auto& t, void* c, auto* v) { return Shown(t.getStringComponent(c, v, 6)); }, "(null)"},
        {"s at -1", [](auto& t, void* c, auto* v) { return Shown(t.getStringComponent(c, v, -1)); }, "(null)"},
        {"i", [](auto& t, void* c, auto* v) { return std::to_string(t.getIntComponent(c, v, 1)); }, "7"},
        {"i of an s", [](auto& t, void* c, auto* v) { return std::to_string(t.getIntComponent(c, v, 0)); }, "-1"},
        {"f", [](auto& t, void* c, auto* v) { return Shown(t.getFunctionComponent(c, v, 2)); }, "Fn"},
        {"f of an s", [](auto& t, void* c, auto* v) { return Shown(t.getFunctionComponent(c, v, 0)); }, "(null)"},
        {"length as", [](auto& t, void* c, auto* v) { return std::to_string(t.getArrayLength(c, v, 3)); }, "2"},
        {"length ai", [](auto& t, void* c, auto* v) { return std::to_string(t.getArrayLength(c, v, 4)); }, "2"},
        {"length af", [](auto& t, void* c, auto* v) { return std::to_string(t.getArrayLength(c, v, 5)); }, "1"},
        {"length of an s", [](auto& t, void* c, auto* v) { return std::to_string(t.getArrayLength(c, v, 0)); }, "-1"},
        {"as element", [](auto& t, void* c, auto* v) { return Shown(t.getStringElement(c, v, 3, 1)); }, "b"},
        {"as element 2", [](auto& t, void* c, auto* v) { return Shown(t.getStringElement(c, v, 3, 2)); }, "(null)"},
        {"as element of ai", [](auto& t, void* c, auto* v) { return Shown(t.getStringElement(c, v, 4, 0)); }, "(null)"},
        {"ai element", [](auto& t, void* c, auto* v) { return std::to_string(t.getIntElement(c, v, 4, 1)); }, "2"},
        {"ai element -1", [](auto& t, void* c, auto* v) { return std::to_string(t.getIntElement(c, v, 4, -1)); }, "-1"},
        {"ai element of as", [](auto& t, void* c, auto* v) { return std::to_string(t.getIntElement(c, v, 3, 0)); }, "-1"},
        {"af element", [](auto& t, void* c, auto* v) { return Shown(t.getFunctionElement(c, v, 5, 0)); }, "F1"},
        {"af element of as", [](auto& t, void* c, auto* v) { return Shown(t.getFunctionElement(c, v, 3, 0)); }, "(null)"},
    };
    std::vector<std::string> got;
    during = [&](const char*, const PvValue* value, const PvScHost& table) {
        for (const auto& read : reads) got.push_back(read.read(table, table.context, value));
        // The caller's value is not the plug-in's to change.
        table.setStringComponent(table.context, const_cast<PvValue*>(value), 0, "changed");
        table.setIntElement(table.context, const_cast<PvValue*>(value), 4, 0, 99);
        return nullptr;
    };
    ASSERT_TRUE(commands.Has("all"));
    ScriptRunContext context{output, ""};
    commands.Call("all", argument, context);
    ASSERT_EQ(got.size(), std::size(reads));
    for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], reads[i].expected) << reads[i].what;
    EXPECT_EQ(argument.Component(0).text, longText);
    EXPECT_EQ(argument.Component(4).numbers, (std::vector<int32_t>{1, 2}));
}

TEST_F(ScPlugInTest, SettersChangeMadeValuesOnlyAndOnlyExistingElements) {
    Load(TestPlugIn("Good"));
    during = [&](const char*, const PvValue*, const PvScHost& t) {
        void* c = t.context;
        EXPECT_EQ(t.createValue(c, "x"), nullptr);
        EXPECT_EQ(t.createValue(c, "sa"), nullptr);
        PvValue* value = t.createValue(c, "sifasaiaf");  // the long form is taken too
        t.setStringComponent(c, value, 0, "text");
        t.setIntComponent(c, value, 1, 5);
        t.setFunctionComponent(c, value, 2, "Fn");
        t.setIntComponent(c, value, 0, 9);             // wrong type
        t.setStringComponent(c, value, 6, "past");     // no such component
        t.setStringElement(c, value, 3, 0, "none");    // arrays start empty
        t.setIntElement(c, value, 4, 0, 1);
        t.setFunctionElement(c, value, 5, 0, "None");
        EXPECT_EQ(t.getArrayLength(c, value, 3), 0);
        return value;
    };
    ScriptRunContext context{output, ""};
    EXPECT_EQ(commands.Call("Nothing", CVariable(), context),
              CVariable({VariableComponent::String("text"), VariableComponent::Int(5), VariableComponent::Function("Fn"),
                         VariableComponent::StringArray({}), VariableComponent::IntArray({}),
                         VariableComponent::FunctionArray({})}));
}

TEST_F(ScPlugInTest, CallbacksWithAWrongContextDoNothing) {
    host.SetWindows(&windows);
    CScPlugIn& plugIn = Load(TestPlugIn("Good"));
    const PvScHost& t = plugIn.HostTable();
    PvValue* made = nullptr;
    during = [&](const char*, const PvValue*, const PvScHost& table) {
        made = table.createValue(table.context, "s");
        return nullptr;
    };
    ScriptRunContext context{output, ""};
    commands.Call("Nothing", CVariable(), context);
    PvBitmap bitmap{};
    int bogus = 0;
    std::vector<intptr_t> answers;
    for (void* c : {static_cast<void*>(&bogus), static_cast<void*>(nullptr)}) {
        answers.push_back(t.openTextWindow(c, "w", "t", "-", "keep"));
        answers.push_back(t.writeToWindow(c, "w", "x"));
        answers.push_back(t.createGraphicsWindow(c, "g", 8, 8, &bitmap));
        t.redrawWindow(c, 1);
        answers.push_back(t.getSettingInt(c, "k", 7));
        t.setSettingInt(c, "k", 1);
        answers.push_back(reinterpret_cast<intptr_t>(t.getSettingString(c, "k", "d")));
        t.setSettingString(c, "k", "v");
        answers.push_back(t.createRealWindow(c, "r", 8, 8, &bitmap, nullptr, nullptr));
        t.closeWindow(c, 1);
        t.setWindowTitle(c, 1, "x");
        t.runCommandLine(c, 0, "/quit");
        answers.push_back(reinterpret_cast<intptr_t>(t.getSystemVariable(c, "sSysNick")));
        answers.push_back(reinterpret_cast<intptr_t>(t.getStringComponent(c, made, 0)));
        answers.push_back(t.getIntComponent(c, made, 0) + 1);
        answers.push_back(reinterpret_cast<intptr_t>(t.getFunctionComponent(c, made, 0)));
        answers.push_back(t.getArrayLength(c, made, 0) + 1);
        answers.push_back(reinterpret_cast<intptr_t>(t.getStringElement(c, made, 0, 0)));
        answers.push_back(t.getIntElement(c, made, 0, 0) + 1);
        answers.push_back(reinterpret_cast<intptr_t>(t.getFunctionElement(c, made, 0, 0)));
        answers.push_back(reinterpret_cast<intptr_t>(t.createValue(c, "s")));
        t.setStringComponent(c, made, 0, "changed");
        t.setIntComponent(c, made, 0, 1);
        t.setFunctionComponent(c, made, 0, "F");
        t.setStringElement(c, made, 0, 0, "x");
        t.setIntElement(c, made, 0, 0, 1);
        t.setFunctionElement(c, made, 0, 0, "F");
    }
    EXPECT_EQ(answers, std::vector<intptr_t>(answers.size(), 0));
    EXPECT_TRUE(settings.values.empty());
    EXPECT_TRUE(windows.opened.empty());
    EXPECT_TRUE(windows.lines.empty());
    EXPECT_EQ(windows.liveViews, 0);
    EXPECT_STREQ(t.getStringComponent(t.context, made, 0), "");
    // A plug-in gone: its old context is no longer one.
    const PvScHost copy = t;
    host.Uninstall(0);
    EXPECT_EQ(copy.createValue(copy.context, "s"), nullptr);
    copy.setSettingInt(copy.context, "k", 1);
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(ScPlugInTest, WindowSettingAndSystemCallbacksReachTheirOwners) {
    host.SetWindows(&windows);
    CScPlugIn& plugIn = Load(TestPlugIn("Good"));
    const PvScHost& t = plugIn.HostTable();
    void* c = t.context;

    EXPECT_EQ(t.openTextWindow(c, "Demo", "A_title", "-", "keep"), 1);
    EXPECT_EQ(t.writeToWindow(c, "Demo", "a line"), 1);
    EXPECT_EQ(t.writeToWindow(c, "Other", "lost"), 0);
    EXPECT_EQ(windows.opened, (std::vector<std::vector<std::string>>{{"Demo", "A_title", "-", "keep"}}));
    EXPECT_EQ(windows.written, std::vector<std::string>{"Demo: a line"});

    PvBitmap bitmap{};
    EXPECT_EQ(t.createGraphicsWindow(c, "Too big", 1024, 1025, &bitmap), 0);
    EXPECT_EQ(t.createGraphicsWindow(c, "Empty", 0, 10, &bitmap), 0);
    const PvWindow graphics = t.createGraphicsWindow(c, "Largest", 512, 512, &bitmap);
    ASSERT_NE(graphics, 0);
    EXPECT_EQ(bitmap.width, 512);
    EXPECT_EQ(bitmap.bytesPerRow, 2048);
    bitmap.pixels[511 * 2048 + 2047] = 0;  // the last byte is the plug-in's
    t.redrawWindow(c, graphics);
    t.setWindowTitle(c, graphics, "Renamed");
    ASSERT_EQ(windows.views.size(), 1u);
    EXPECT_EQ(windows.views[0]->redraws, 1);
    EXPECT_EQ(windows.views[0]->titles, std::vector<std::string>{"Renamed"});

    static std::vector<std::tuple<void*, int32_t, int32_t, int32_t>> mouse;
    mouse.clear();
    auto onMouse = [](void* user, int32_t event, int32_t x, int32_t y) { mouse.emplace_back(user, event, x, y); };
    const PvWindow real = t.createRealWindow(c, "Real", 10, 20, &bitmap, onMouse, &bitmap);
    ASSERT_NE(real, 0);
    windows.views[1]->window.Mouse(PV_MOUSE_MOVE, 50, -3);  // dragged out: kept at the edge
    EXPECT_EQ(mouse, (std::vector<std::tuple<void*, int32_t, int32_t, int32_t>>{{&bitmap, PV_MOUSE_MOVE, 9, 0}}));

    t.runCommandLine(c, 0, "/echo status");
    t.runCommandLine(c, real, "/echo own window");
    t.runCommandLine(c, real + 1000, "/quit");
    EXPECT_EQ(windows.lines, (std::vector<std::string>{"/echo status", "/echo own window"}));

    t.closeWindow(c, graphics);
    EXPECT_EQ(plugIn.Windows().size(), 1u);
    t.redrawWindow(c, graphics);  // gone: nothing happens
    loop.RunOnce(0);
    EXPECT_EQ(windows.liveViews, 1);
    // The person closes the real window: its view goes, the picture stays for the plug-in.
    windows.views[1]->window.RequestClose();
    loop.RunOnce(0);
    EXPECT_EQ(windows.liveViews, 0);
    EXPECT_EQ(plugIn.Windows().size(), 1u);
    bitmap.pixels[0] = 0;

    t.setSettingInt(c, "Runs", 3);
    t.setSettingString(c, "Greeting", "hi");
    EXPECT_EQ(t.getSettingInt(c, "Runs", 0), 3);
    EXPECT_STREQ(t.getSettingString(c, "Greeting", "none"), "hi");
    EXPECT_STREQ(t.getSettingString(c, "Missing", "none"), "none");
    EXPECT_EQ(settings.values, (std::map<std::string, std::string>{{"Tester|Greeting", "hi"}, {"Tester|Runs", "3"}}));

    const PvValue* nick = t.getSystemVariable(c, "sSysNick");
    ASSERT_NE(nick, nullptr);
    EXPECT_STREQ(t.getStringComponent(c, nick, 0), "");
    EXPECT_EQ(t.getSystemVariable(c, "sNoSuchThing"), nullptr);
}

TEST_F(ScPlugInTest, StartupRunsOnceAndForPlugInsInstalledLater) {
    CScPlugIn& good = Load(TestPlugIn("Good"));
    auto startups = [](const CScPlugIn& plugIn) { return Export<int (*)()>(plugIn, "TestStartups")(); };
    EXPECT_EQ(startups(good), 0);
    host.StartAll();
    host.StartAll();
    EXPECT_EQ(startups(good), 1);
    EXPECT_EQ(startups(Load(TestPlugIn("NoTerminators"))), 1);
}

#ifdef PARLEVOX_TOOLBOX_PLUGIN
TEST_F(ScPlugInTest, TheToolboxCalculatesAddsAndJoins) {
    host.SetWindows(&windows);
    Load(PARLEVOX_TOOLBOX_PLUGIN);
    ScriptRunContext context{output, ""};
    const struct {
        const char* expression;
        int32_t value;
    } sums[] = {{"2 * (3 + 4) - 10 / 3", 11}, {"-(4)", -4}, {"7 % -3", 1}, {"2147483647 + 1", INT32_MIN},
                {"1 / 0", 0},             {"2 +", 0},   {"(((1)))", 1}, {"", 0}};
    for (const auto& sum : sums)
        EXPECT_EQ(commands.Call("calc", CVariable({VariableComponent::String(sum.expression)}), context),
                  CVariable({VariableComponent::Int(sum.value)}))
            << sum.expression;
    AddFunction("Main", "Main<> return Calc<\"6*7\">;");
    EXPECT_EQ(CallByName("Main"), CVariable({VariableComponent::Int(42)}));
    EXPECT_EQ(commands.Call("Sum", CVariable({VariableComponent::IntArray({1, 2, 39})}), context),
              CVariable({VariableComponent::Int(42)}));
    EXPECT_EQ(commands.Call("Join", CVariable({VariableComponent::StringArray({"a", "b"}), VariableComponent::String(", ")}),
                            context),
              CVariable({VariableComponent::String("a, b")}));
    const CVariable uptime = commands.Call("Uptime", CVariable(), context);
    ASSERT_EQ(uptime.TypeString(), "s");
    EXPECT_EQ(uptime.Component(0).text.rfind("up ", 0), 0u) << uptime.Component(0).text;

    commands.Call("TextDemo", CVariable({VariableComponent::String("hello")}), context);
    ASSERT_EQ(windows.written.size(), 3u);
    EXPECT_EQ(windows.written[0], "Toolbox: You said: hello");
    EXPECT_EQ(settings.values["Toolbox|Demo runs"], "1");
    commands.Call("Palette", CVariable(), context);
    commands.Call("Sketch", CVariable(), context);
    ASSERT_EQ(windows.views.size(), 2u);
    EXPECT_EQ(windows.views[0]->redraws, 1);
    windows.views[1]->window.Mouse(PV_MOUSE_LEFT_DOWN, 5, 5);
    EXPECT_EQ(windows.views[1]->window.Pixels()[(5 * 240 + 5) * 4], 0);  // drawn black
}
#endif

}  // namespace
}  // namespace parlevox
