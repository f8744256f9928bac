#pragma once
// The application object and a chat session over in-memory settings in a
// throwaway home, never connected: what the script windows' tests work on.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "display/Scheme.h"
#include "modules/ScriptCalls.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/RecordingViews.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/StatusWindow.h"

namespace parlevox::test {

class OfflineSession {
public:
    // saveSettings: the options and lists are written to the store as the
    // client writes them (the file itself stays in the throwaway home).
    explicit OfflineSession(bool saveSettings = false)
        : app(std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                             AppStartOptions{home.File("settings.reg"), home.Path(), saveSettings})),
          session(std::make_unique<CChatSession>(*app, status, views)) {}
    ~OfflineSession() {
        session.reset();
        app.reset();
    }

    // Calls a script function by name with the empty value, its lines unseen.
    std::optional<CVariable> Call(const char* name) {
        struct : CommandOutput {
            void AddLine(std::string_view) override {}
            void Clear() override {}
        } output;
        ScriptRunContext context{output, ""};
        return session->Scripts().Calls().CallByName(name, CVariable(), context);
    }

    PollEventLoop loop;
    TempDir home;
    ScriptedUserInterface ui;
    NullAudioOutput audio{false};
    CScheme scheme;
    std::vector<std::string> statusLines;
    LineRecordingView statusView{statusLines};
    CStatusWindow status{ui, scheme, statusView};
    LineRecordingViews views;
    std::unique_ptr<CBrimvaleApp> app;
    std::unique_ptr<CChatSession> session;
};

}  // namespace parlevox::test
