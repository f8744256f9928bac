#pragma once
// Our client core, its chat session and a connect dialog aimed at a real
// ngircd started for the test, with the windows' lines recorded.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/NgircdServer.h"
#include "support/OfflineSession.h"
#include "support/PlainIrcClient.h"
#include "support/RecordingViews.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/ConnectDlg.h"
#include "ui/NamesList.h"
#include "ui/StatusWindow.h"

namespace parlevox::test {

inline constexpr int kTimeoutMs = 10000;

class ChatSessionFixture : public ::testing::Test, protected OfflineSession {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Started()) << "ngircd did not start";
        app->Options().nicknames[0].name = "ours";
        app->OptionsChanged();
        session->OptionsChanged();
        dialog = std::make_unique<CConnectDlg>(loop, app->Network().Window(), app->Network().State(), dialogView, ui);
        dialog->SetSlots({ConnectSlot{"127.0.0.1", static_cast<uint16_t>(server.Port())}});
        dialog->Start();
    }
    void TearDown() override { dialog.reset(); }

    void Type(const std::string& line) { session->Commands().Run(line, {}, {}, status); }
    bool RunUntil(const std::function<bool()>& done) { return loop.RunUntil(done, kTimeoutMs); }
    // A line of the window that starts with the text.
    bool Shown(const std::string& window, const std::string& start) {
        return RunUntil([&] {
            for (const auto& shown : views.lines[window])
                if (shown.rfind(start, 0) == 0) return true;
            return false;
        });
    }
    CNamesList* Names() { return session->Windows().NamesOf("#pvx"); }
    std::vector<std::string> Entries() {
        std::vector<std::string> out;
        for (size_t i = 0; Names() && i < Names()->Count(); ++i) out.emplace_back(Names()->Entries().At(i));
        return out;
    }

    NgircdServer server;
    struct : ConnectDlgView {
        void AddStatusLine(const std::string&) override {}
        void AllServersFailed() override {}
        void DialogClosed(bool) override {}
    } dialogView;
    std::unique_ptr<CConnectDlg> dialog;
};

}  // namespace parlevox::test
