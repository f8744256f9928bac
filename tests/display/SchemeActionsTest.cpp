#include <gtest/gtest.h>

#include "display/Scheme.h"
#include "display/SoundSystem.h"
#include "platform/NullAudioOutput.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/Shell.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

class RecordingRunner : public CommandRunner {
public:
    void RunCommand(const std::string& line, const CommandContext& context) override {
        lines.push_back(line);
        contexts.push_back(context);
    }
    std::vector<std::string> lines;
    std::vector<CommandContext> contexts;
};

class SchemeActionsTest : public testing::Test {
protected:
    void SetUp() override {
        Shell::SetOpener([this](const std::string& target) {
            opened.push_back(target);
            return openerWorks;
        });
    }
    void TearDown() override { Shell::SetOpener(nullptr); }

    test::ScriptedUserInterface ui;
    std::vector<std::string> opened;
    bool openerWorks = true;
};

TEST_F(SchemeActionsTest, UrlActionChecksTheAddressThenOpensIt) {
    const std::string notValid = "There was a problem executing the URL you clicked on.\n\n"
                                 "It is not a valid URL - you must include the http:// at the beginning.";
    const std::string failed =
        "There was a problem executing the URL you clicked on.\n\nCheck your web browser is set up correctly; you "
        "should be able to type a URL into the Run box (from the Windows Start menu) and have it load.";
    struct Case {
        const char* address;
        bool openerWorks;
        std::string box;  // empty: none
        bool opens;
    } cases[] = {
        {"www.example.com", true, notValid, false},
        {"HTTP://example.com", true, notValid, false},
        {"http://example.com/a b", true, "", true},
        {"ftp://files.example.com", true, "", true},
        {"http://example.com", false, failed, true},
    };
    for (const Case& c : cases) {
        ui.boxes.clear();
        opened.clear();
        openerWorks = c.openerWorks;
        CSchemeURL("u", c.address).Run({.window = {}, .ui = &ui});
        EXPECT_EQ(opened.size(), c.opens ? 1u : 0u) << c.address;
        ASSERT_EQ(ui.boxes.size(), c.box.empty() ? 0u : 1u) << c.address;
        if (c.box.empty()) continue;
        EXPECT_EQ(ui.boxes[0].title, "URL Error");
        EXPECT_EQ(ui.boxes[0].text, c.box) << c.address;
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
    }
}

TEST_F(SchemeActionsTest, ShellRefusesOptionsAndReportsAMissingOpener) {
    EXPECT_FALSE(Shell::Open("--help"));
    EXPECT_TRUE(opened.empty());
    Shell::SetOpener(nullptr);
    test::TempDir empty;
    test::ScopedEnvironment env;
    env.Set("PATH", empty.Path().c_str());
    EXPECT_FALSE(Shell::Open("http://example.com"));
}

TEST_F(SchemeActionsTest, CommandActionRunsWithTheWindowContext) {
    RecordingRunner runner;
    CSchemeCommand command("c", "/join #fun");
    command.Run({&runner, {"#chan", "bob", ""}});
    command.Run({});  // no command processor: nothing happens
    ASSERT_EQ(runner.lines, std::vector<std::string>{"/join #fun"});
    EXPECT_EQ(runner.contexts[0].channel, "#chan");
    EXPECT_EQ(runner.contexts[0].selectedNick, "bob");
}

TEST_F(SchemeActionsTest, HotspotSoundsAndActions) {
    SoundSettings settings;
    settings.userEnabled = settings.builtInEnabled = true;
    settings.events[1].builtIn = 3;  // "Button up"
    NullAudioOutput output;
    {
        CSoundSystem sounds(output, nullptr, settings);
        CScheme scheme;
        int sound = scheme.AddItem(std::make_unique<CSchemeSound>("ding.wav", "RIFF-ding"));
        auto hotspot = std::make_unique<CSchemeHotspot>("h");
        hotspot->SetSoundRef(0, sound);
        scheme.AppendToDrawOrder(scheme.AddItem(std::move(hotspot)));
        scheme.PlayHotspotSound(0, 0, output, sounds);  // its own sound
        scheme.PlayHotspotSound(0, 2, output, sounds);  // "Button up" instead
        scheme.PlayHotspotSound(0, 1, output, sounds);  // "Button down": no sound set up
        ASSERT_EQ(output.played.size(), 2u);
        EXPECT_EQ(std::string(output.played[0].data, output.played[0].size), "RIFF-ding");
        EXPECT_EQ(output.played[1].data, Resources::Find(5126, "WAVE")->data());
        EXPECT_STREQ(CScheme::HotspotSoundEvent(0), "Mouse over button");
        EXPECT_STREQ(CScheme::HotspotSoundEvent(1), "Button down");
        EXPECT_STREQ(CScheme::HotspotSoundEvent(2), "Button up");
        EXPECT_FALSE(scheme.RunHotspotAction(0, {}));
    }
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace parlevox
