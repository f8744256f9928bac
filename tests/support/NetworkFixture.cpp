#include "support/NetworkFixture.h"

#include "irc/NetworkMessages.h"

namespace parlevox::test {

RecordingListener::RecordingListener(EventLoop& loop, WindowHandle network) : EventHandlerWindow(loop, network) {
    for (const EventTypeNode& node : EventTypeNodes())
        if (node.parent == 0) Register(node.id, priority::kFallback);
}

NetworkFixture::NetworkFixture()
    : network(std::make_unique<CNetworkWnd>(loop, state, status, notifyList, nullptr)),
      recorder(std::make_unique<RecordingListener>(loop, network->Handle())),
      listener(*recorder) {
    NetworkSettings settings;
    settings.logon = {"tester", "tuser", "just testing"};
    network->SetSettings(settings);
    server = std::make_unique<LoopbackServer>(loop);
    network->SetConnectProgress(&progress);
}

NetworkFixture::~NetworkFixture() {
    recorder.reset();
    network.reset();
    server.reset();
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
