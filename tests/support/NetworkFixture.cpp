#include "support/NetworkFixture.h"

#include "irc/NetworkMessages.h"

namespace parlevox::test {

NetworkFixture::NetworkFixture() {
    Registry::SetCurrent(&registry);
    registry.WriteProfileString("Nicknames", "Name1", "tester");
    registry.WriteProfileString("Your info", "Username", "tuser");
    registry.WriteProfileString("Your info", "Tagline", "just testing");
    server = std::make_unique<LoopbackServer>(loop);
    dispatcher.Add(&listener);
    network = std::make_unique<CNetworkWnd>(loop, state, status, dispatcher, nullptr);
    network->SetConnectProgress(&progress);
}

NetworkFixture::~NetworkFixture() {
    network.reset();
    server.reset();
    Registry::SetCurrent(nullptr);
}

void NetworkFixture::ConnectAndRegister() {
    WindowMessage connect(netmsg::kConnect, std::string("127.0.0.1"));
    connect.wParam = server->Port();
    loop.PostMessage(network->Handle(), std::move(connect));
    ASSERT_TRUE(RunUntil([&] {
        return !server->Lines().empty() && server->Lines().back().rfind("USER ", 0) == 0;
    })) << "no USER line";
}

void NetworkFixture::Post(const std::string& line) {
    loop.PostMessage(network->Handle(), WindowMessage(netmsg::kLineReceived, line));
    loop.RunOnce(0);
}

void NetworkFixture::SendLine(const std::string& line) {
    loop.SendMessage(network->Handle(), WindowMessage(netmsg::kSendLine, line));
}

}  // namespace parlevox::test
