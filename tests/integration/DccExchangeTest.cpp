// parlevox-headless exchanges files with a scripted peer over a real ngircd:
// the peer offers a file, which the client takes without asking (the
// "Automatic" setting); then the client offers one back with "/dcc SEND".
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "support/ChildProcess.h"
#include "support/NgircdServer.h"
#include "support/PlainIrcClient.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

constexpr int kTimeoutMs = 10000;

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

bool WaitReadable(int fd, int timeoutMs) {
    pollfd entry {fd, POLLIN, 0};
    return ::poll(&entry, 1, timeoutMs) == 1;
}

// The peer's end of a transfer, blocking with timeouts.
class PeerSocket {
public:
    explicit PeerSocket(int fd = -1) : fd_(fd) {}
    ~PeerSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    static PeerSocket Listen(uint16_t& port) {
        PeerSocket socket(::socket(AF_INET, SOCK_STREAM, 0));
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(socket.fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(socket.fd_, 1);
        ::getsockname(socket.fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        return socket;
    }
    static PeerSocket Connect(uint32_t ip, uint16_t port) {
        PeerSocket socket(::socket(AF_INET, SOCK_STREAM, 0));
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(ip);
        address.sin_port = htons(port);
        if (::connect(socket.fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return PeerSocket();
        return socket;
    }
    PeerSocket(PeerSocket&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    PeerSocket Accept() const {
        return WaitReadable(fd_, kTimeoutMs) ? PeerSocket(::accept(fd_, nullptr, nullptr)) : PeerSocket();
    }
    bool Valid() const { return fd_ >= 0; }

    // Sends the file, then reads acknowledgements until one covers it.
    bool SendFile(const std::string& bytes) {
        uint32_t acknowledged = 0;
        auto readAck = [&](int timeoutMs) {
            uint32_t ack = 0;
            if (!WaitReadable(fd_, timeoutMs) || ::recv(fd_, &ack, 4, MSG_WAITALL) != 4) return false;
            acknowledged = ntohl(ack);
            return true;
        };
        for (size_t sent = 0; sent < bytes.size();) {
            const ssize_t n = ::send(fd_, bytes.data() + sent, std::min<size_t>(4096, bytes.size() - sent), MSG_NOSIGNAL);
            if (n <= 0) return false;
            sent += static_cast<size_t>(n);
            while (readAck(0)) {}
        }
        while (acknowledged < bytes.size())
            if (!readAck(kTimeoutMs)) return false;
        return acknowledged == bytes.size();
    }
    // Receives `size` bytes, acknowledging every read.
    std::string ReceiveFile(size_t size) {
        std::string bytes;
        char buffer[8192];
        while (bytes.size() < size && WaitReadable(fd_, kTimeoutMs)) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            bytes.append(buffer, static_cast<size_t>(n));
            const uint32_t ack = htonl(static_cast<uint32_t>(bytes.size()));
            ::send(fd_, &ack, 4, MSG_NOSIGNAL);
        }
        return bytes;
    }

private:
    int fd_;
};

TEST(DccExchangeTest, TheHeadlessClientReceivesAFileAndSendsOneBack) {
    NgircdServer server;
    ASSERT_TRUE(server.Started()) << "ngircd did not start";
    TempDir home;
    std::filesystem::create_directories(home.File("home"));
    WriteWholeFile(home.File("registry.reg"),
                   "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\DCC Filetypes]\r\n"
                   "\"Automatic\"=dword:00000002\r\n");
    ChildProcess client({PARLEVOX_HEADLESS_PATH, "--server", "127.0.0.1:" + std::to_string(server.Port()), "--nick",
                         "getter"},
                        {"PARLEVOX_HOME=" + home.File("home"), "PARLEVOX_REGISTRY=" + home.File("registry.reg")});
    ASSERT_TRUE(client.WaitForOutput("~Connect\tConnection successful.", kTimeoutMs)) << client.Output();
    PlainIrcClient peer(server.Port());
    peer.Send("NICK peer");
    peer.Send("USER peer 0 * :Peer");
    ASSERT_TRUE(peer.WaitFor(" 001 ", kTimeoutMs));

    // The peer offers 100,000 bytes.
    const std::string offered = Pattern(100000);
    uint16_t port = 0;
    PeerSocket listener = PeerSocket::Listen(port);
    peer.Send("PRIVMSG getter :\x01" "DCC SEND gift.bin 2130706433 " + std::to_string(port) + " " +
              std::to_string(offered.size()) + "\x01");
    PeerSocket data = listener.Accept();
    ASSERT_TRUE(data.Valid()) << client.Output();
    EXPECT_TRUE(data.SendFile(offered));
    ASSERT_TRUE(client.WaitForOutput("gift.bin - peer\tCompleted OK", kTimeoutMs)) << client.Output();
    EXPECT_EQ(ReadWholeFile(home.File("home/dcc/gift.bin")), offered);

    // The client offers 70,001 bytes back.
    const std::string back = Pattern(70001).substr(1) + "!";
    WriteWholeFile(home.File("back file.bin"), back);
    client.WriteInput("/dcc SEND peer " + home.File("back file.bin") + "\n");
    ASSERT_TRUE(peer.WaitFor("\x01" "DCC SEND \"back file.bin\" ", kTimeoutMs)) << peer.Received();
    std::istringstream words(peer.Received().substr(peer.Received().rfind("\"back file.bin\" ") + 16));
    uint64_t ip = 0, offerPort = 0, size = 0;
    words >> ip >> offerPort >> size;
    EXPECT_EQ(size, back.size());
    PeerSocket incoming = PeerSocket::Connect(static_cast<uint32_t>(ip), static_cast<uint16_t>(offerPort));
    ASSERT_TRUE(incoming.Valid()) << peer.Received();
    EXPECT_EQ(incoming.ReceiveFile(back.size()), back);
    ASSERT_TRUE(client.WaitForOutput("back file.bin - peer\tCompleted OK", kTimeoutMs)) << client.Output();

    client.WriteInput("/quit\n");
    EXPECT_EQ(client.Wait(kTimeoutMs), 0) << client.Output();
}

}  // namespace
}  // namespace parlevox::test
