#include "script/SystemVariableProvider.h"

#include "irc/ConnectionState.h"
#include "platform/Clock.h"

namespace parlevox {

std::string ConnectionStateProvider::ServerName() const {
    return ConnectionState::Current().serverName;
}

std::string ConnectionStateProvider::Nick() const {
    return ConnectionState::Current().currentNick;
}

std::string ConnectionStateProvider::UserName() const {
    return ConnectionState::Current().currentUserName;
}

std::string ConnectionStateProvider::HostName() const {
    return ConnectionState::Current().localAddress;
}

bool ConnectionStateProvider::Connected() const {
    return ConnectionState::Current().connected;
}

bool ConnectionStateProvider::ServicesUp() const {
    return false;
}

std::string ConnectionStateProvider::LocalAddress() const {
    return ConnectionState::Current().localAddress;
}

std::time_t ConnectionStateProvider::Now() const {
    return Clock::Now();
}

}  // namespace parlevox
