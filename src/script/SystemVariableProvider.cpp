#include "script/SystemVariableProvider.h"

#include "irc/ConnectionState.h"
#include "platform/Clock.h"

namespace parlevox {

std::string ConnectionStateProvider::ServerName() const {
    return state_.serverName;
}

std::string ConnectionStateProvider::Nick() const {
    return state_.currentNick;
}

std::string ConnectionStateProvider::UserName() const {
    return state_.currentUserName;
}

std::string ConnectionStateProvider::HostName() const {
    return state_.localHostName.empty() ? state_.localAddress : state_.localHostName;
}

bool ConnectionStateProvider::Connected() const {
    return state_.connected;
}

bool ConnectionStateProvider::ServicesUp() const {
    return false;
}

std::string ConnectionStateProvider::LocalAddress() const {
    return state_.localAddress;
}

std::time_t ConnectionStateProvider::Now() const {
    return Clock::Now();
}

}  // namespace parlevox
