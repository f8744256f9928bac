// Two parlevox-headless clients on one ngircd reach each other over the
// client link: "/brimconnect" makes a DCC chat offer appear on the other
// side, and "/nickinfo" brings the other user's "Your Info" texts.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <memory>

#include "support/ChildProcess.h"
#include "support/NgircdServer.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

constexpr int kTimeoutMs = 10000;

class ClientLinkTest : public ::testing::Test {
protected:
    std::unique_ptr<ChildProcess> StartClient(const std::string& nick, const std::string& settings) {
        const std::string home = dir.File(nick);
        std::filesystem::create_directories(home);
        WriteWholeFile(dir.File(nick + ".reg"), "REGEDIT4\r\n\r\n" + settings);
        auto client = std::make_unique<ChildProcess>(
            std::vector<std::string> {PARLEVOX_HEADLESS_PATH, "--server", "127.0.0.1:" + std::to_string(server.Port()),
                                      "--nick", nick},
            std::vector<std::string> {"PARLEVOX_HOME=" + home, "PARLEVOX_REGISTRY=" + dir.File(nick + ".reg")});
        EXPECT_TRUE(client->WaitForOutput("~Connect\tConnection successful.", kTimeoutMs)) << client->Output();
        return client;
    }

    NgircdServer server;
    TempDir dir;
};

TEST_F(ClientLinkTest, BrimConnectOffersAChatAndNickInfoBringsTheOtherUsersInfo) {
    ASSERT_TRUE(server.Started()) << "ngircd did not start";
    auto alpha = StartClient("alpha",
                             "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Your info]\r\n"
                             "\"Age\"=\"31\"\r\n\"Description\"=\"Tea and trains\"\r\n"
                             "\"Email\"=\"alpha@example.org\"\r\n"
                             "\"Real name\"=\"Alpha Smith\"\r\n\"Location\"=\"Leeds\"\r\n\"Sex\"=\"F\"\r\n");
    auto beta = StartClient("beta", "");

    // A WHOIS finds beta's link port; the chat request arrives there as an
    // offer from a stranger, held for beta to accept.
    alpha->WriteInput("/brimconnect beta\n");
    ASSERT_TRUE(beta->WaitForOutput("alpha\t- alpha offers a DCC chat from 127.0.0.1 port ", kTimeoutMs))
        << "beta:\n" << beta->Output() << "\nalpha:\n" << alpha->Output();
    EXPECT_EQ(alpha->Output().find("[IS"), std::string::npos) << "the WHOIS replies were taken";

    // A second link connection from one address within three seconds
    // refuses it, and on loopback everyone is 127.0.0.1.
    alpha->WaitForOutput("\x01never", 3200);
    beta->WriteInput("/nickinfo alpha\n");
    ASSERT_TRUE(alpha->WaitForOutput("~Status\t- beta is being sent the \"Your Info\" text\n", kTimeoutMs))
        << alpha->Output();
    ASSERT_TRUE(beta->WaitForOutput("~Status\tSex: F\n", kTimeoutMs)) << beta->Output();
    const std::string lines = beta->Output().substr(beta->Output().find("~Status\tAge: "));
    EXPECT_EQ(lines.substr(0, lines.find("~Status\tSex: F\n")),
              "~Status\tAge: 31\n~Status\tDescription: Tea and trains\n~Status\tEmail: alpha@example.org\n"
              "~Status\tReal name: Alpha Smith\n~Status\tLocation: Leeds\n");

    for (auto* client : {alpha.get(), beta.get()}) {
        client->WriteInput("/quit\n");
        EXPECT_EQ(client->Wait(kTimeoutMs), 0) << client->Output();
    }
}

}  // namespace
}  // namespace parlevox::test
