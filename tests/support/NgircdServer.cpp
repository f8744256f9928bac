#include "support/NgircdServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace parlevox::test {
namespace {

std::string FindNgircd() {
    for (const char* path : {"/usr/sbin/ngircd", "/usr/bin/ngircd", "/usr/local/sbin/ngircd"})
        if (access(path, X_OK) == 0) return path;
    return "ngircd";
}

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

}  // namespace

int FreeLoopbackPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

int ConnectLoopback(int port, int timeoutMs) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
    sockaddr_in address = Loopback(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool PortAccepts(int port) {
    int fd = ConnectLoopback(port, 200);
    if (fd < 0) return false;
    close(fd);
    return true;
}

NgircdServer::NgircdServer(int pingTimeoutSeconds) {
    port_ = FreeLoopbackPort();
    std::string config = dir_.File("ngircd.conf");
    std::ofstream(config) << "[Global]\nName = " << name_ << "\nInfo = Parlevox test server\n"
                          << "Listen = 127.0.0.1\nPorts = " << port_ << "\nMotdPhrase = Parlevox test server\n"
                          << "[Limits]\nPingTimeout = " << pingTimeoutSeconds << "\nPongTimeout = 20\n"
                          << "MaxNickLength = 30\nMaxPenaltyTime = 0\n[Options]\nPAM = no\nIdent = no\nDNS = no\n";
    log_ = dir_.File("ngircd.log");
    std::string binary = FindNgircd();
    std::vector<std::string> args = {binary, "-n", "-f", config};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    int spawned = posix_spawnp(&pid, binary.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return;
    pid_ = pid;
    for (int i = 0; i < 200; ++i) {
        if (PortAccepts(port_)) return;
        int status;
        if (waitpid(pid_, &status, WNOHANG) == pid_) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

NgircdServer::~NgircdServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

}  // namespace parlevox::test
